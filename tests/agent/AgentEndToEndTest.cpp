// The agent program against the simulation-server stand-in over loopback TCP.
#include "representations/HearData.h"
#include "representations/RawPlayMode.h"
#include "tests/agent/AgentProcess.h"
#include "tests/support/TeamRadioRecord.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/test_server/CommandChecker.h"
#include "tools/test_server/MessageDamager.h"
#include "tools/test_server/SensorMessageBuilder.h"
#include "tools/test_server/TestServer.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <memory>
#include <string>
#include <vector>

namespace tests {
namespace {

using namespace std::chrono_literals;
using tools::test_server::CommandChecker;
using tools::test_server::CommandMessage;
using tools::test_server::FrameChannel;
using tools::test_server::MessageDamager;
using tools::test_server::Registration;
using tools::test_server::SensorMessageBuilder;
using tools::test_server::SimulatedWorld;
using tools::test_server::TestServer;

// Generous bounds: the sanitized build starts slowly on a busy machine.
constexpr auto START_UP = 20s;
constexpr auto REPLY = 5s;
constexpr auto EXIT = 20s;
constexpr auto SILENCE = 300ms;

/// A fresh copy of the configuration with the agent's working directory one
/// level below it, so that "../configuration/core" is the copy.
class AgentEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        namespace fs = boost::filesystem;
        fs::create_directories(folder / "configuration");
        fs::copy(MARLOWINDS_CONFIGURATION_DIR, folder / "configuration/core", fs::copy_options::recursive);
        // A store saved by an earlier run of the team must not count as this agent's.
        fs::remove_all(folder / "configuration/core/dynamic");
        fs::create_directories(folder / "configuration/core/dynamic");
        fs::create_directories(folder / "run");
    }

    void start(const std::vector<std::string>& arguments) {
        agent = std::make_unique<AgentProcess>(MARLOWINDS_AGENT_BINARY, arguments, folder / "run", folder.string());
    }

    /// Starts the agent against the stand-in, accepts it and performs the
    /// handshake with the builder's first message.
    void startAndConnect(int uniformNumber) {
        start({"--server-ip", "127.0.0.1", "--agent-port", std::to_string(server.getPort()), "--agent-number",
               std::to_string(uniformNumber), "--team-name", "Testers"});
        ASSERT_TRUE(server.acceptAgent(START_UP)) << agent->describe();
        std::string error;
        ASSERT_TRUE(server.handshake(builder.nextMessage(), registration, error, START_UP)) << error << "\n"
                                                                                            << agent->describe();
        builder.world().uniformNumber = registration.uniformNumber;
    }

    /// One lock-step cycle: a sensor message, one well-formed reply, which is
    /// handed out when asked for.
    void playCycle(CommandMessage* command = nullptr) {
        ASSERT_TRUE(server.channel().send(builder.nextMessage()));
        expectOneReply(command);
    }

    void expectOneReply(CommandMessage* command = nullptr) {
        const auto reply = server.channel().receive(REPLY);
        ASSERT_TRUE(reply.has_value()) << "cycle " << builder.getCycle() << "\n" << agent->describe();
        CommandMessage read;
        std::string error;
        ASSERT_TRUE(CommandChecker::check(*reply, read, error)) << error << ": " << *reply;
        builder.applyJointSpeeds(read.jointSpeeds);
        if (command != nullptr) {
            *command = read;
        }
    }

    /// A game the whole model has to follow: the robot and the ball move, seven
    /// players come into view, teammates and the goalkeeper speak, and the play
    /// mode runs from before kick-off into play. Every reply must stay well formed
    /// (finite numbers), and no model may report a NaN estimate.
    void playAModelledGame(const std::string& team) {
        SimulatedWorld& world = builder.world();
        world.players = {{team, 2, -6.0, 2.0},        {team, 3, -2.0, -3.0},      {team, 9, 4.0, 1.0},
                         {"Opponents", 4, 6.0, -2.0}, {"Opponents", 9, 8.0, 3.0}, {"Opponents", 1, 14.0, 0.0}};
        const double direction = 30.0; // degrees, where the speaker stands
        for (int cycle = 0; cycle < 240; ++cycle) {
            if (cycle == 40) {
                world.playMode = "KickOff_Left";
            } else if (cycle == 60) {
                world.playMode = "PlayOn";
            }
            world.robotX = -8.0 + 0.02 * cycle;
            world.robotHeading = 0.4 * std::sin(0.05 * cycle);
            world.ballX = -1.0 + 0.01 * cycle;
            world.ballY = 0.5 * std::cos(0.03 * cycle);
            if (cycle % 11 == 3) {
                const int sender = 2 + (cycle / 11) % 10;
                builder.queueHeard(team,
                                   tests::TeamRadioRecord::fieldPlayer(sender, -5.0 + sender, 1.5, false, world.ballX,
                                                                       world.ballY, true,
                                                                       tests::TeamRadioRecord::defaultRoles(), 9),
                                   &direction);
            }
            if (cycle % 22 == 0) {
                builder.queueHeard(team,
                                   tests::TeamRadioRecord::goalkeeper(
                                       -14.0, 0.0, false, {{4, 6.0, -2.0, true, false}, {9, 8.0, 3.0, true, true}}),
                                   &direction);
            }
            ASSERT_NO_FATAL_FAILURE(playCycle());
        }
    }

    /// The agent's exit status; fails the test when it does not end in time.
    int exitStatus() {
        const auto status = agent->waitForExit(EXIT);
        if (!status) {
            ADD_FAILURE() << "the agent did not end\n" << agent->describe();
            return -1;
        }
        return *status;
    }

    std::string storeFile() const { return folder / "configuration/core/dynamic/params/values.json"; }

    /// A signal during play ends the agent as the server's hang-up does.
    void expectACleanStopBy(int signal) {
        ASSERT_NO_FATAL_FAILURE(startAndConnect(5));
        for (int cycle = 0; cycle < 10; ++cycle) {
            ASSERT_NO_FATAL_FAILURE(playCycle());
        }
        EXPECT_FALSE(boost::filesystem::exists(storeFile()));

        agent->sendSignal(signal);
        // An agent already waiting for this message plays its cycle before it ends.
        server.channel().send(builder.nextMessage());
        if (const auto reply = server.channel().receive(SILENCE)) {
            CommandMessage command;
            std::string error;
            EXPECT_TRUE(CommandChecker::check(*reply, command, error)) << error << ": " << *reply;
        }

        EXPECT_EQ(exitStatus(), 0) << agent->describe();
        EXPECT_TRUE(boost::filesystem::exists(storeFile())) << agent->describe();
        EXPECT_TRUE(server.channel().peerClosed(REPLY)) << agent->describe();
    }

    TemporaryFolder folder;
    TestServer server;
    SensorMessageBuilder builder{SimulatedWorld{}};
    Registration registration;
    std::unique_ptr<AgentProcess> agent;
};

TEST_F(AgentEndToEndTest, StartsUpAndPlaysTwoHundredCycles) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(7));
    EXPECT_EQ(registration.bodyType, 0);
    EXPECT_EQ(registration.uniformNumber, 7);
    EXPECT_EQ(registration.teamName, "Testers");

    for (int cycle = 0; cycle < 200; ++cycle) {
        if (cycle == 50) {
            builder.world().playMode = "PlayOn";
        }
        ASSERT_NO_FATAL_FAILURE(playCycle());
    }
    EXPECT_FALSE(agent->waitForExit(0ms).has_value()) << "the agent left while the server was still there";
}

TEST_F(AgentEndToEndTest, BeforeKickOffAFieldPlayerOnlyBeamsAndStraightensEveryJointButTheNeck) {
    // Effector order; each joint bent well inside its range, the neck included.
    builder.setJointAngles({0.5, -0.3, -1.0, 0.5, 0.8,  -0.6, 1.0,  -0.5, -0.8, 0.6, -0.3,
                            0.2, 0.8,  -1.2, 0.4, -0.2, -0.3, -0.2, 0.8,  -1.2, 0.4, 0.2});
    ASSERT_NO_FATAL_FAILURE(startAndConnect(4));
    for (int cycle = 0; cycle < 60; ++cycle) {
        ASSERT_NO_FATAL_FAILURE(playCycle());
    }
    // The head follows the head control.
    for (std::size_t joint = 2; joint < builder.getJointAngles().size(); ++joint) {
        EXPECT_NEAR(builder.getJointAngles()[joint], 0.0, 0.01) << CommandChecker::JOINT_EFFECTORS[joint];
    }
}

TEST_F(AgentEndToEndTest, ModelsAGameOnTheLeftSide) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(7));
    ASSERT_NO_FATAL_FAILURE(playAModelledGame("Testers"));
    EXPECT_FALSE(agent->waitForExit(0ms).has_value()) << agent->describe();
    EXPECT_EQ(agent->standardOutput().find("(DebbugingUtils)"), std::string::npos) << agent->describe();
}

TEST_F(AgentEndToEndTest, ModelsAGameOnTheRightSide) {
    builder.world().leftSide = false;
    ASSERT_NO_FATAL_FAILURE(startAndConnect(2));
    ASSERT_NO_FATAL_FAILURE(playAModelledGame("Testers"));
    EXPECT_FALSE(agent->waitForExit(0ms).has_value()) << agent->describe();
    EXPECT_EQ(agent->standardOutput().find("(DebbugingUtils)"), std::string::npos) << agent->describe();
}

TEST_F(AgentEndToEndTest, TheSubstituteRegistersAsNumberTenWithTheStandardBody) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(15));
    EXPECT_EQ(registration.uniformNumber, 10);
    EXPECT_EQ(registration.bodyType, 0);
}

TEST_F(AgentEndToEndTest, ThreeFramesWrittenAtOnceGetOneReply) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(4));
    ASSERT_NO_FATAL_FAILURE(playCycle());

    std::string burst;
    for (int i = 0; i < 3; ++i) {
        burst += FrameChannel::frame(builder.nextMessage());
    }
    ASSERT_TRUE(server.channel().sendRaw(burst));
    ASSERT_NO_FATAL_FAILURE(expectOneReply());
    EXPECT_FALSE(server.channel().receive(SILENCE).has_value()) << "more than one reply to one burst";

    ASSERT_NO_FATAL_FAILURE(playCycle()); // and the agent plays on
}

TEST_F(AgentEndToEndTest, WhenTheServerClosesTheAgentEndsCleanlyAndSavesItsStore) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(2));
    for (int cycle = 0; cycle < 10; ++cycle) {
        ASSERT_NO_FATAL_FAILURE(playCycle());
    }
    EXPECT_FALSE(boost::filesystem::exists(storeFile()));

    server.closeAgent();
    EXPECT_EQ(exitStatus(), 0) << agent->describe();
    EXPECT_TRUE(boost::filesystem::exists(storeFile())) << agent->describe();
}

TEST_F(AgentEndToEndTest, TerminationDuringPlayEndsCleanlyAndSavesTheStore) { expectACleanStopBy(SIGTERM); }

TEST_F(AgentEndToEndTest, InterruptionDuringPlayEndsCleanlyAndSavesTheStore) { expectACleanStopBy(SIGINT); }

TEST_F(AgentEndToEndTest, NoServerListeningEndsWithAFailure) {
    int port = 0;
    {
        TestServer closed; // a port that was free a moment ago and has no listener now
        port = closed.getPort();
    }
    start({"--agent-port", std::to_string(port), "--agent-number", "3"});
    EXPECT_NE(exitStatus(), 0) << agent->describe();
    EXPECT_NE(agent->standardError().find("connection has ended in send"), std::string::npos) << agent->describe();
}

TEST_F(AgentEndToEndTest, DamagedMessagesAmongGoodOnesAreEachAnsweredAndTheAgentEndsCleanly) {
    builder.world().bodyType = 4;
    builder.world().otherSensors = true;
    ASSERT_NO_FATAL_FAILURE(startAndConnect(9));
    MessageDamager damager(9);

    for (int cycle = 0; cycle < 300; ++cycle) {
        const std::string message = builder.nextMessage();
        ASSERT_TRUE(server.channel().send(cycle % 3 == 1 ? damager.damage(message) : message));
        ASSERT_NO_FATAL_FAILURE(expectOneReply());
    }

    EXPECT_NE(agent->standardError().find("skipped a malformed group"), std::string::npos) << agent->describe();
    server.closeAgent();
    EXPECT_EQ(exitStatus(), 0) << agent->describe();
    EXPECT_TRUE(boost::filesystem::exists(storeFile())) << agent->describe();
}

TEST_F(AgentEndToEndTest, AMissingConfigurationFileIsNamedBeforeAnyConnection) {
    boost::filesystem::remove(folder / "configuration/core/control/kick/normal-parameters.json");
    start({"--agent-port", std::to_string(server.getPort()), "--agent-number", "5"});
    EXPECT_NE(exitStatus(), 0);
    EXPECT_NE(agent->standardError().find("control/kick/normal-parameters.json"), std::string::npos)
        << agent->describe();
    EXPECT_FALSE(server.acceptAgent(SILENCE)) << "the agent connected";
}

TEST_F(AgentEndToEndTest, AMissingDefaultFormationIsNamedBeforeAnyConnection) {
    boost::filesystem::remove(folder / "configuration/core/formation/default-formation.conf");
    start({"--agent-port", std::to_string(server.getPort()), "--agent-number", "5"});
    EXPECT_NE(exitStatus(), 0);
    EXPECT_NE(agent->standardError().find("formation/default-formation.conf"), std::string::npos) << agent->describe();
    EXPECT_FALSE(server.acceptAgent(SILENCE)) << "the agent connected";
}

TEST_F(AgentEndToEndTest, AKeyframePageThatWouldNeverEndIsNamedBeforeAnyConnection) {
    TemporaryFolder::write(folder / "configuration/core/control/keyframe/getReady.json",
                           R"({"name": "getReady", "speedRate": 0, "steps": [{"delta": 1}, {"delta": 1}]})");
    start({"--agent-port", std::to_string(server.getPort()), "--agent-number", "5"});
    EXPECT_NE(exitStatus(), 0);
    EXPECT_NE(agent->standardError().find("control/keyframe/getReady.json"), std::string::npos) << agent->describe();
    EXPECT_FALSE(server.acceptAgent(SILENCE)) << "the agent connected";
}

TEST_F(AgentEndToEndTest, HelpListsTheOptionsAndConnectsNowhere) {
    start({"--agent-port", std::to_string(server.getPort()), "--help"});
    EXPECT_EQ(exitStatus(), 0) << agent->describe();
    EXPECT_NE(agent->standardOutput().find("Allowed options"), std::string::npos) << agent->describe();
    EXPECT_FALSE(server.acceptAgent(SILENCE)) << "the agent connected";
}

TEST_F(AgentEndToEndTest, RejectedStartUpSettingsFailBeforeAnyConnection) {
    const std::string port = std::to_string(server.getPort());
    const struct {
        std::vector<std::string> arguments;
        const char* reported;
    } cases[] = {
        {{"--agent-port", port, "--agent-number", "12"}, "12"},
        {{"--agent-port", port, "--agent-number", "0"}, "uniform number 0"},
        {{"--agent-port", port, "--team-name", "Two Words"}, "Two Words"},
        {{"--agent-port", port, "--agent-number", "seven"}, "agent-number"},
        {{"--agent-port", port, "stray"}, "positional"},
    };
    for (const auto& testCase : cases) {
        start(testCase.arguments);
        EXPECT_NE(exitStatus(), 0) << agent->describe();
        EXPECT_NE(agent->standardError().find(testCase.reported), std::string::npos) << agent->describe();
        EXPECT_FALSE(server.acceptAgent(SILENCE)) << "the agent connected with " << testCase.reported;
    }
}

TEST_F(AgentEndToEndTest, BeforeKickOffNumberTwoBeamsWhereItsNumberPlacesIt) {
    ASSERT_NO_FATAL_FAILURE(startAndConnect(2));
    std::string beams;
    for (int cycle = 0; cycle < 30; ++cycle) {
        CommandMessage command;
        ASSERT_NO_FATAL_FAILURE(playCycle(&command));
        // The play mode is known from the second message on; from then on every reply beams.
        if (cycle < 2) {
            continue;
        }
        ASSERT_TRUE(command.beam.has_value()) << "cycle " << cycle;
        EXPECT_EQ(*command.beam, (std::array<double, 3>{-9.0, 0.0, 0.0})) << "cycle " << cycle;
    }
}

TEST_F(AgentEndToEndTest, EachPlayerSpeaksOnlyInItsRadioSlotWhatItsTeammatesRead) {
    for (const int number : {1, 6}) {
        SCOPED_TRACE("number " + std::to_string(number));
        builder = SensorMessageBuilder(SimulatedWorld{});
        builder.world().playMode = "PlayOn";
        ASSERT_NO_FATAL_FAILURE(startAndConnect(number));
        const int slot = number == 1 ? 0 : 2 * number - 2;
        int spoken = 0;
        for (int cycle = 0; cycle < 3 * 22; ++cycle) {
            CommandMessage command;
            ASSERT_NO_FATAL_FAILURE(playCycle(&command));
            // The message just answered carried the time 0.02 s times the builder's cycle.
            const bool inSlot = builder.getCycle() % 22 == slot;
            ASSERT_EQ(command.say.has_value(), inSlot) << "cycle " << builder.getCycle();
            if (!inSlot) {
                continue;
            }
            ++spoken;
            EXPECT_EQ(command.say->size(), number == 1 ? 20u : 16u) << *command.say;
            representations::HearData heard("Testers", 0.0, false, 0.0, *command.say);
            heard.decode("Testers");
            EXPECT_EQ(heard.getUniformNumber(), number) << *command.say;
            EXPECT_FALSE(heard.isFallen()) << *command.say;
        }
        EXPECT_EQ(spoken, 3);
        server.closeAgent();
        EXPECT_EQ(exitStatus(), 0) << agent->describe();
    }
}

TEST_F(AgentEndToEndTest, TheGoalkeeperAndTheKickOffTakerPlayThroughEveryPlayMode) {
    for (const int number : {1, 10}) {
        SCOPED_TRACE("number " + std::to_string(number));
        builder = SensorMessageBuilder(SimulatedWorld{});
        SimulatedWorld& world = builder.world();
        world.ballX = world.robotX + 0.4; // within reach: the closest player kicks
        world.ballY = 0.1;
        world.players = {{"Testers", 2, -8.0, 3.0}, {"Opponents", 9, -3.0, -1.0}};
        ASSERT_NO_FATAL_FAILURE(startAndConnect(number));
        std::vector<std::string> modes{"SomethingNew"};
        for (const auto& mode : representations::RawPlayMode::fromStringToRawPlayMode) {
            modes.push_back(mode.first);
        }
        for (const std::string& mode : modes) {
            world.playMode = mode;
            for (int cycle = 0; cycle < 15; ++cycle) {
                ASSERT_NO_FATAL_FAILURE(playCycle()) << mode;
            }
        }
        EXPECT_FALSE(agent->waitForExit(0ms).has_value()) << agent->describe();
        server.closeAgent();
        EXPECT_EQ(exitStatus(), 0) << agent->describe();
    }
}

TEST_F(AgentEndToEndTest, AFallenPlayerPlaysTheStandUpPageOfTheWayItLiesAndNeitherSpeaksNorBeams) {
    // Extremes the left shoulder's pitch, its yaw (outwards) and the knee reach from the
    // straight posture the server starts the joints in, on each page (the pages' own signs).
    const struct {
        std::array<double, 3> acceleration;
        const char* page;
        double lowestShoulder, widestShoulder, highestKnee;
    } cases[] = {
        {{0.0, -9.81, 0.0}, "standUpFromFront", -0.55, 0.57, 1.25},
        {{0.0, 9.81, 0.0}, "standUpFromBackOptimization", -0.55, 0.57, 2.1},
        {{9.81, 0.0, 0.0}, "moveArmToFallBack", 0.0, 1.65, 0.0},
    };
    // The server's joint angles of the shoulder's pitch and the knee have the pages' opposite sign.
    constexpr std::size_t LEFT_SHOULDER_PITCH = 2;
    constexpr std::size_t LEFT_SHOULDER_YAW = 3;
    constexpr std::size_t LEFT_KNEE = 13;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        builder = SensorMessageBuilder(SimulatedWorld{});
        builder.world().acceleration = c.acceleration;
        ASSERT_NO_FATAL_FAILURE(startAndConnect(5)); // before kick-off: a standing player only beams
        double lowestShoulder = 0.0;
        double widestShoulder = 0.0;
        double highestKnee = 0.0;
        for (int cycle = 0; cycle < 150; ++cycle) {
            CommandMessage command;
            ASSERT_NO_FATAL_FAILURE(playCycle(&command));
            lowestShoulder = std::min(lowestShoulder, -builder.getJointAngles()[LEFT_SHOULDER_PITCH]);
            widestShoulder = std::max(widestShoulder, builder.getJointAngles()[LEFT_SHOULDER_YAW]);
            highestKnee = std::max(highestKnee, -builder.getJointAngles()[LEFT_KNEE]);
            if (cycle >= 20) { // the fall is seen by then
                EXPECT_FALSE(command.beam.has_value()) << "cycle " << cycle;
                EXPECT_FALSE(command.say.has_value()) << "cycle " << cycle;
            }
        }
        EXPECT_NEAR(lowestShoulder, c.lowestShoulder, 0.15);
        EXPECT_NEAR(widestShoulder, c.widestShoulder, 0.15);
        EXPECT_NEAR(highestKnee, c.highestKnee, 0.15);
        // The head straight ahead.
        EXPECT_NEAR(builder.getJointAngles()[0], 0.0, 0.02);
        EXPECT_NEAR(builder.getJointAngles()[1], 0.0, 0.02);
        server.closeAgent();
        EXPECT_EQ(exitStatus(), 0) << agent->describe();
    }
}

TEST_F(AgentEndToEndTest, WithTheBallOutOfViewTheHeadScansFromSideToSide) {
    SimulatedWorld& world = builder.world();
    world.playMode = "PlayOn";
    world.ballX = world.robotX - 3.0; // behind the robot
    ASSERT_NO_FATAL_FAILURE(startAndConnect(7));
    double leftmost = 0.0;
    double rightmost = 0.0;
    double lowest = 0.0;
    // A sweep takes 4 s; the next one looks less far down.
    for (int cycle = 0; cycle < 260; ++cycle) {
        ASSERT_NO_FATAL_FAILURE(playCycle());
        leftmost = std::max(leftmost, builder.getJointAngles()[0]);
        rightmost = std::min(rightmost, builder.getJointAngles()[0]);
        lowest = std::max(lowest, std::fabs(builder.getJointAngles()[1]));
    }
    EXPECT_NEAR(leftmost, 1.047, 0.1);
    EXPECT_NEAR(rightmost, -1.047, 0.1);
    EXPECT_NEAR(lowest, 0.698, 0.05);
    EXPECT_NEAR(std::fabs(builder.getJointAngles()[1]), 0.349, 0.05);
}

} // namespace
} // namespace tests
