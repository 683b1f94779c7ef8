#include "core/utils/command_line_parser/AgentCommandLineParser.h"

#include "core/utils/command_line_parser/intentional_exception.h"
#include "tests/core/utils/command_line_parser/Arguments.h"

#include <gtest/gtest.h>

#include <boost/program_options/errors.hpp>

#include <string>
#include <vector>

namespace core {
namespace utils {
namespace command_line_parser {
namespace {

using tests::Arguments;

struct Settings {
    std::string serverIP;
    int agentPort;
    int monitorPort;
    std::string teamName;
    int agentNumber;
    double xSpawn;
    double ySpawn;
};

TEST(AgentCommandLineParserTest, OptionsSetTheirFieldsAndTheRestKeepDefaults) {
    const struct {
        std::vector<std::string> arguments;
        Settings expected;
    } cases[] = {
        {{}, {"127.0.0.1", 3100, 3200, "Marlowinds", 10, 0.0, 0.0}},
        {{"--agent-number", "7", "--team-name", "Foo"}, {"127.0.0.1", 3100, 3200, "Foo", 7, 0.0, 0.0}},
        {{"--agent-port=3101"}, {"127.0.0.1", 3101, 3200, "Marlowinds", 10, 0.0, 0.0}},
        {{"--agent-port", "3101"}, {"127.0.0.1", 3101, 3200, "Marlowinds", 10, 0.0, 0.0}},
        {{"--x-spawn", "3.5", "--y-spawn=-2"}, {"127.0.0.1", 3100, 3200, "Marlowinds", 10, 3.5, -2.0}},
        {{"--server-ip", "10.0.0.2", "--monitor-port", "3201"}, {"10.0.0.2", 3100, 3201, "Marlowinds", 10, 0.0, 0.0}},
        {{"--agent-n", "4"}, {"127.0.0.1", 3100, 3200, "Marlowinds", 4, 0.0, 0.0}}, // unambiguous prefix
    };
    for (const auto& testCase : cases) {
        Arguments arguments(testCase.arguments);
        AgentCommandLineParser parser;
        parser.parse(arguments.argc(), arguments.argv());
        EXPECT_EQ(parser.getServerIP(), testCase.expected.serverIP);
        EXPECT_EQ(parser.getAgentPort(), testCase.expected.agentPort);
        EXPECT_EQ(parser.getMonitorPort(), testCase.expected.monitorPort);
        EXPECT_EQ(parser.getTeamName(), testCase.expected.teamName);
        EXPECT_EQ(parser.getAgentNumber(), testCase.expected.agentNumber);
        EXPECT_DOUBLE_EQ(parser.getXSpawn(), testCase.expected.xSpawn);
        EXPECT_DOUBLE_EQ(parser.getYSpawn(), testCase.expected.ySpawn);
    }
}

TEST(AgentCommandLineParserTest, HelpPrintsTheOptionListAndChangesNothing) {
    Arguments arguments({"--agent-number", "3", "--help"});
    AgentCommandLineParser parser;
    testing::internal::CaptureStdout();
    EXPECT_THROW(parser.parse(arguments.argc(), arguments.argv()), intentional_exception);
    const std::string help = testing::internal::GetCapturedStdout();
    EXPECT_EQ(help.rfind("Allowed options:\n", 0), 0u);
    for (const char* line : {"--help", "produce help message", "--server-ip arg", "set server ip", "--agent-port arg",
                             "--monitor-port arg", "--agent-number arg", "set Agent Number", "--team-name arg",
                             "--x-spawn arg", "set X spawn coordinate", "--y-spawn arg"}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
    EXPECT_LT(help.find("--agent-number"), help.find("--team-name")); // declaration order
    EXPECT_EQ(parser.getAgentNumber(), 10);
    EXPECT_STREQ(intentional_exception().what(), "");
}

TEST(AgentCommandLineParserTest, RejectedCommandLinesThrowAndKeepDefaults) {
    const std::vector<std::string> cases[] = {
        {"--agent-port", "abc"}, {"--unknown", "1"},    {"stray"}, {"--agent-number", "3", "--agent-number", "4"},
        {"--team-name"},         {"--x-spawn", "east"},
    };
    for (const auto& given : cases) {
        Arguments arguments(given);
        AgentCommandLineParser parser;
        EXPECT_THROW(parser.parse(arguments.argc(), arguments.argv()), boost::program_options::error) << given[0];
        EXPECT_EQ(parser.getAgentNumber(), 10);
        EXPECT_EQ(parser.getAgentPort(), 3100);
    }
}

} // namespace
} // namespace command_line_parser
} // namespace utils
} // namespace core
