#include "agent/SoccerPlayer.h"

#include "tests/core/utils/command_line_parser/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace agent {
namespace {

TEST(SoccerPlayerTest, PositionalArgumentsFillTheSettingsInOrder) {
    const struct {
        std::vector<std::string> arguments;
        SoccerPlayer::Settings expected;
    } cases[] = {
        {{}, {"127.0.0.1", 3100, "Marlowinds", 1}},
        {{"10.1.1.5"}, {"10.1.1.5", 3100, "Marlowinds", 1}},
        {{"localhost", "3105"}, {"127.0.0.1", 3105, "Marlowinds", 1}},
        {{"10.1.1.5", "3105", "Rivals", "9"}, {"10.1.1.5", 3105, "Rivals", 9}},
    };
    for (const auto& testCase : cases) {
        tests::Arguments arguments(testCase.arguments);
        testing::internal::CaptureStdout();
        const auto settings = SoccerPlayer::settingsFromArguments(arguments.argc(), arguments.argv());
        EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(arguments.argc()) + "\n");
        EXPECT_EQ(settings.serverIP, testCase.expected.serverIP);
        EXPECT_EQ(settings.agentPort, testCase.expected.agentPort);
        EXPECT_EQ(settings.teamName, testCase.expected.teamName);
        EXPECT_EQ(settings.agentNumber, testCase.expected.agentNumber);
    }
}

} // namespace
} // namespace agent
