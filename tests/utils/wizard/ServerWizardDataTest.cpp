#include "utils/wizard/ServerWizardData.h"

#include "marlowinds_lib/utils/LogSystem.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/support/MonitorScene.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <utility>

namespace utils {
namespace wizard {
namespace {

using representations::RawPlayMode;

TEST(ServerWizardDataTest, PlayModeIsAnIndexIntoTheAnnouncedList) {
    const marlowinds_lib::utils::TemporaryWorkingDirectory folder;
    ServerWizardData data;
    tests::MonitorScene scene;
    parser::Parser parser;
    EXPECT_EQ(data.getPlayMode(), RawPlayMode::NONE);

    // No list announced yet: the index names nothing.
    scene.playMode = 3;
    data.update(*parser.parseMessage(scene.partial()));
    EXPECT_EQ(data.getPlayMode(), RawPlayMode::NONE);

    scene.time = 2.5;
    data.update(*parser.parseMessage(scene.full()));
    EXPECT_EQ(data.getPlayMode(), RawPlayMode::PLAY_ON);
    EXPECT_EQ(data.getLastUpdatedTime(), 2.5);

    const std::pair<int, RawPlayMode::RAW_PLAY_MODE> rows[] = {
        {21, RawPlayMode::PLAY_ON}, {-1, RawPlayMode::PLAY_ON}, {12, RawPlayMode::GAME_OVER}};
    for (const auto& [index, mode] : rows) {
        scene.playMode = index;
        data.update(*parser.parseMessage(scene.partial()));
        EXPECT_EQ(data.getPlayMode(), mode) << index;
    }

    marlowinds_lib::utils::Logger& log = marlowinds_lib::utils::LogSystem::getInstance().getLogger("possiblePlayModes");
    log.closeStream();
    EXPECT_EQ(marlowinds_lib::utils::TemporaryWorkingDirectory::read(log.getFileName()).substr(0, 32),
              "0 BeforeKickOff\n1 KickOff_Left\n2");
}

} // namespace
} // namespace wizard
} // namespace utils
