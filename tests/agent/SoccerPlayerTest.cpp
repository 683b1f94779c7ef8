#include "agent/SoccerPlayer.h"

#include "communication/ServerSocketImpl.h"
#include "control/LookRequest.h"
#include "decision_making/DecisionMaking.h"
#include "tests/agent/PlayerInThisProcess.h"
#include "tests/core/utils/command_line_parser/Arguments.h"
#include "tools/test_server/CommandChecker.h"
#include "tools/test_server/SensorMessageBuilder.h"
#include "tools/test_server/TestServer.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <stdexcept>
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

TEST(SoccerPlayerTest, ATeamNameTheInitCommandCannotCarryIsRefusedBeforeConnecting) {
    tools::test_server::TestServer server;
    for (const std::string name : {"", "Two Words", "Tab\tName", "Line\nEnd", "Car\rReturn", "(Team", "Team)", "A()"}) {
        EXPECT_THROW(SoccerPlayer("127.0.0.1", server.getPort(), name, 3), std::invalid_argument) << name;
    }
    EXPECT_FALSE(server.acceptAgent(std::chrono::milliseconds(100))) << "a player connected";
}

class SoccerPlayerInThisProcessTest : public tests::PlayerInThisProcess {};

TEST_F(SoccerPlayerInThisProcessTest, PositionalArgumentsChooseServerPortTeamAndNumber) {
    start([](int port) {
        tests::Arguments arguments({"localhost", std::to_string(port), "Rivals", "15"});
        return std::make_unique<SoccerPlayer>(arguments.argc(), arguments.argv());
    });
    tools::test_server::SensorMessageBuilder builder{tools::test_server::SimulatedWorld{}};

    ASSERT_NO_FATAL_FAILURE(connect(builder.nextMessage()));

    // Number 15 plays as number 10 with the standard body.
    EXPECT_EQ(registration.uniformNumber, 10);
    EXPECT_EQ(registration.bodyType, 0);
    EXPECT_EQ(registration.teamName, "Rivals");
    EXPECT_EQ(hangUpAndJoin(), "");
    EXPECT_TRUE(boost::filesystem::exists(storeFile()));
}

/// Decision making from outside: looks to one side and counts its cycles.
class LookingAside : public decision_making::DecisionMaking {
public:
    explicit LookingAside(std::atomic<int>& decided) : decided(decided) {}
    void decide(modeling::Modeling& /*modeling*/) override {
        lookRequest = std::make_shared<control::LookRequest>(1.0, 0.0);
        ++decided;
    }

private:
    std::atomic<int>& decided;
};

TEST_F(SoccerPlayerInThisProcessTest, APlayerPutTogetherFromOutsidePlaysItsBodyWithItsDecisionMakingOnceACycle) {
    std::atomic<int> decided{0};
    start([&decided](int port) {
        return std::make_unique<SoccerPlayer>(std::make_unique<communication::ServerSocketImpl>("127.0.0.1", port),
                                              "Triallers", BodyChoice(5, representations::RobotType::NAO_TYPE_3),
                                              std::make_unique<LookingAside>(decided));
    });
    tools::test_server::SensorMessageBuilder builder{tools::test_server::SimulatedWorld{}};
    ASSERT_NO_FATAL_FAILURE(connect(builder.nextMessage()));
    EXPECT_EQ(registration.uniformNumber, 5);
    EXPECT_EQ(registration.bodyType, 3);

    double neckSpeed = 0.0;
    for (int cycle = 1; cycle <= 5; ++cycle) {
        ASSERT_TRUE(server->channel().send(builder.nextMessage()));
        const auto reply = server->channel().receive(REPLY);
        ASSERT_TRUE(reply.has_value());
        tools::test_server::CommandMessage command;
        std::string error;
        ASSERT_TRUE(tools::test_server::CommandChecker::check(*reply, command, error)) << error;
        neckSpeed = command.jointSpeeds.at(0);
        EXPECT_EQ(decided, cycle);
    }
    EXPECT_GT(std::fabs(neckSpeed), 0.1) << "the neck was not turned to where the decision looks";
    EXPECT_EQ(hangUpAndJoin(), "");
}

} // namespace
} // namespace agent
