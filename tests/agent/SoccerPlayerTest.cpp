#include "agent/SoccerPlayer.h"

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
        std::vector<std::string> words{"marlowinds_agent"};
        words.insert(words.end(), testCase.arguments.begin(), testCase.arguments.end());
        std::vector<char*> argv;
        for (auto& word : words) {
            argv.push_back(word.data());
        }
        testing::internal::CaptureStdout();
        const auto settings = SoccerPlayer::settingsFromArguments(static_cast<int>(words.size()), argv.data());
        EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(words.size()) + "\n");
        EXPECT_EQ(settings.serverIP, testCase.expected.serverIP);
        EXPECT_EQ(settings.agentPort, testCase.expected.agentPort);
        EXPECT_EQ(settings.teamName, testCase.expected.teamName);
        EXPECT_EQ(settings.agentNumber, testCase.expected.agentNumber);
    }
}

} // namespace
} // namespace agent
