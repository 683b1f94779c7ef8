#include "utils/wizard/ServerWizardData.h"

#include "marlowinds_lib/utils/LogSystem.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/support/MonitorScene.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

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

    for (const int beyond : {21, -1}) {
        scene.playMode = beyond;
        data.update(*parser.parseMessage(scene.partial()));
        EXPECT_EQ(data.getPlayMode(), RawPlayMode::PLAY_ON) << beyond;
    }
    scene.playMode = 12;
    data.update(*parser.parseMessage(scene.partial()));
    EXPECT_EQ(data.getPlayMode(), RawPlayMode::GAME_OVER);

    const std::string log =
        marlowinds_lib::utils::LogSystem::getInstance().getLogger("possiblePlayModes").getFileName();
    marlowinds_lib::utils::LogSystem::getInstance().getLogger("possiblePlayModes").closeStream();
    const std::string written = marlowinds_lib::utils::TemporaryWorkingDirectory::read(log);
    EXPECT_EQ(written.substr(0, 32), "0 BeforeKickOff\n1 KickOff_Left\n2");
    EXPECT_NE(written.find("\n20 pass_right\n"), std::string::npos);
}

} // namespace
} // namespace wizard
} // namespace utils
