#include "utils/wizard/Wizard.h"

#include "communication/ServerSocketImpl.h"
#include "tests/support/MonitorScene.h"
#include "tests/support/Watchdog.h"
#include "tools/test_server/TestServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace utils {
namespace wizard {
namespace {

using namespace std::chrono_literals;
using marlowinds_lib::math::Vector3;
using representations::PlaySide;
using representations::RawPlayMode;
using tests::MonitorScene;

constexpr auto REPLY = 5s;
constexpr auto SILENCE = 300ms;
constexpr double TOLERANCE = 1e-9;

void expectPlayerAt(const Wizard& wizard, const MonitorScene::Player& player) {
    const Vector3<double> torso = wizard.getAgentTranslation(player.unum, player.side);
    const double heading = wizard.getAgentRotation(player.unum, player.side).getZAngle() - M_PI / 2.0;
    EXPECT_NEAR((torso - Vector3<double>(player.x, player.y, player.z)).norm(), 0.0, TOLERANCE) << player.unum;
    EXPECT_NEAR(std::remainder(heading - player.heading, 2.0 * M_PI), 0.0, TOLERANCE) << player.unum;
    EXPECT_TRUE(wizard.hasAgentPose(player.unum, player.side)) << player.unum;
}

/// A wizard whose link is connected to a stand-in of the monitor port.
class WizardTest : public testing::Test {
protected:
    void SetUp() override {
        link.establishConnection();
        ASSERT_TRUE(monitor.acceptAgent(REPLY));
    }

    /// Sends a monitor message and returns the frames that answer it.
    std::vector<std::string> exchange(const std::string& message, std::size_t frames = 1) {
        EXPECT_TRUE(monitor.channel().send(message));
        std::vector<std::string> replies;
        while (replies.size() < frames) {
            const auto reply = monitor.channel().receive(REPLY);
            if (!reply) {
                break;
            }
            replies.push_back(*reply);
        }
        return replies;
    }

    /// The watchdog bounds the wait.
    void waitUntilEnded() const {
        while (wizard.isRunning()) {
            std::this_thread::sleep_for(10ms);
        }
    }

    tests::Watchdog watchdog{60};
    tools::test_server::TestServer monitor;
    communication::Communication link{
        std::make_unique<communication::ServerSocketImpl>("127.0.0.1", monitor.getPort())};
    Wizard wizard{link};
    MonitorScene scene;
};

TEST_F(WizardTest, GroundTruthFollowsFullAndPartialScenes) {
    EXPECT_EQ(wizard.getAgentTransform(7, PlaySide::LEFT), Transform::Zero());
    EXPECT_EQ(wizard.getBallTransform(), Transform::Zero());
    EXPECT_FALSE(wizard.hasAgentPose(7, PlaySide::LEFT));

    scene.time = 1.5;
    scene.ball[0] = 3.0;
    scene.ball[1] = 4.0;
    scene.ball[2] = 0.5;
    scene.players = {{7, PlaySide::LEFT, -3.0, 2.0, 0.4, 0.3}, {10, PlaySide::RIGHT, 5.0, -1.0, 0.35, -2.0}};
    // A partial scene before any full one has no player paths.
    wizard.update(scene.partial());
    EXPECT_EQ(wizard.getLastUpdateTime(), 1.5);
    EXPECT_EQ(wizard.getBallTranslation(), Vector3<double>(3.0, 4.0, 0.5));
    EXPECT_FALSE(wizard.hasAgentPose(7, PlaySide::LEFT));

    scene.leftScore = 2;
    scene.rightScore = 1;
    wizard.update(scene.full());
    for (const MonitorScene::Player& player : scene.players) {
        expectPlayerAt(wizard, player);
    }
    // Torso and thigh both name number 7: one player, read once.
    EXPECT_EQ(wizard.getNumberOfPlayers(PlaySide::LEFT), 1);
    EXPECT_EQ(wizard.getNumberOfPlayers(PlaySide::RIGHT), 1);
    EXPECT_EQ(wizard.getLeftScore(), 2);
    EXPECT_EQ(wizard.getRightScore(), 1);
    EXPECT_EQ(wizard.getAgentPose3D(10, PlaySide::RIGHT).translation, Vector3<double>(5.0, -1.0, 0.35));
    EXPECT_FALSE(wizard.hasAgentPose(10, PlaySide::LEFT));

    // Partial scenes are read along the full scene's paths; what they leave out keeps its value.
    const MonitorScene::Player stayed = scene.players[1];
    scene.players[0] = {7, PlaySide::LEFT, 4.0, -1.0, 0.38, 3.0};
    scene.players[1] = {10, PlaySide::RIGHT, 0.0, 0.0, 0.0, 0.0, false};
    wizard.update(scene.partial());
    expectPlayerAt(wizard, scene.players[0]);
    expectPlayerAt(wizard, stayed);
    EXPECT_NEAR(wizard.getAgentData(7, PlaySide::LEFT).getAgentHeadTransform()(2, 3), 0.38 + 0.16, TOLERANCE);
}

TEST_F(WizardTest, TheBallIsTheThirtySixthNode) {
    scene.ball[0] = -2.0;
    for (const int staticNodes : {34, 35}) {
        scene.staticNodes = staticNodes;
        wizard.update(scene.full());

        EXPECT_EQ(wizard.getBallTranslation().x, staticNodes == 35 ? -2.0 : 0.0) << staticNodes;
    }
    // The product of the chain: node, first body node, its nested node.
    wizard.update("((time 2))(RSG 0 1)((nd TRF " + MonitorScene::transform(0, 1, 0, 0) + "(nd TRF " +
                  MonitorScene::transform(0, 0, 2, 0) + "(nd TRF " + MonitorScene::transform(0, 0, 0, 0.5) +
                  "(nd StaticMesh (resetMaterials matNum3 matRight))))))");
    EXPECT_EQ(wizard.getAgentTranslation(3, PlaySide::RIGHT), Vector3<double>(1.0, 2.0, 0.5));
    EXPECT_EQ(wizard.getAgentRotation(3, PlaySide::RIGHT).c1, Vector3<double>(0.0, 1.0, 0.0));
}

TEST_F(WizardTest, EnvironmentGivesTimeScoresAndFouls) {
    const struct {
        std::string environment;
        double time;
        int leftScore;
        bool foulLeft;
        bool foulRight;
    } rows[] = {
        {"(time 12.5)(score_left 3)(foul 1 6 1 4)", 12.5, 3, true, false},
        {"(time 13)(foul 1 6 2 4)", 13.0, 3, false, true},
        {"(time 14)(foul 1 5 1 4)", 14.0, 3, false, false},
        {"(time x)(score_left y)", 0.0, 0, false, false},
        {"(other (time 9))", 9.0, 0, false, false},
    };
    for (const auto& row : rows) {
        // A "time" group inside the scene graph is not the game time.
        wizard.update("(" + row.environment + ")(RDS 0 1)((nd (time 99)))");

        EXPECT_EQ(wizard.getLastUpdateTime(), row.time) << row.environment;
        EXPECT_EQ(wizard.getLeftScore(), row.leftScore) << row.environment;
        EXPECT_EQ(wizard.getFoulLeftTeam(), row.foulLeft) << row.environment;
        EXPECT_EQ(wizard.getFoulRightTeam(), row.foulRight) << row.environment;
    }
}

TEST_F(WizardTest, MalformedMessagesAndPlayersAreReportedAndSkipped) {
    scene.players = {{4, PlaySide::LEFT, 1.0, 1.0, 0.4, 0.0}};
    const auto withBall = [](const std::string& transform) {
        std::string nodes;
        for (int node = 0; node < 35; ++node) {
            nodes += "(nd)";
        }
        return "((time 1))(RDS 0 1)(" + nodes + "(nd " + transform + "))";
    };
    const std::string player = "(nd (nd (nd (nd StaticMesh (resetMaterials ";
    const struct {
        std::string message;
        bool reported;
    } rows[] = {
        {"", false},
        {"((time 1))", true},
        {"((time 1))(RDS 0 1)", true},
        {withBall("(SLT 1 0 0 0 0 1 0 0 0 0 1 0 3 4 0.5)"), true},
        {withBall("(SLT 1 0 0 0 0 1 0 0 0 0 1 0 3 4 x 1)"), true},
        {"((time 1))(RSG 0 1)((nd (resetMaterials matNum5 matLeft)))", true},
        {"((time 1))(RSG 0 1)(" + player + "matNum12 matLeft))))) " + player + "matNum5 matBlue))))))", true},
        {"((time 1))(RDS 0 1)((nd))", true},
    };
    for (const auto& row : rows) {
        wizard.update(scene.full());
        testing::internal::CaptureStderr();
        wizard.update(row.message);
        const std::string reported = testing::internal::GetCapturedStderr();

        EXPECT_EQ(reported.rfind("(Wizard) ", 0) == 0, row.reported) << row.message << ": " << reported;
        // The next message is read as ever.
        scene.players[0].x += 0.5;
        wizard.update(scene.full());
        expectPlayerAt(wizard, scene.players[0]);
    }
    EXPECT_THROW(wizard.getAgentTransform(12, PlaySide::LEFT), std::out_of_range);
    EXPECT_THROW(wizard.getAgentData(0, PlaySide::RIGHT), std::out_of_range);
}

TEST_F(WizardTest, EachMonitorMessageIsAnsweredWithTheQueuedCommands) {
    // A second run while the task runs starts no second reader.
    wizard.run();
    wizard.run();
    EXPECT_EQ(exchange(scene.full()), std::vector<std::string>{"(syn)"});
    EXPECT_EQ(exchange(scene.partial()), std::vector<std::string>{"(syn)"});

    wizard.setPlayMode(RawPlayMode::PLAY_ON);
    wizard.dropBall();
    wizard.setScore(2, 1);
    EXPECT_EQ(exchange(scene.partial(), 3), (std::vector<std::string>{"(playMode PlayOn)(syn)", "(dropBall)(syn)",
                                                                      "(score (left 2) (right 1))(syn)"}));
    EXPECT_EQ(exchange(scene.partial()), std::vector<std::string>{"(syn)"});
    EXPECT_FALSE(monitor.channel().receive(SILENCE));

    // The reader has taken the scene before it answered.
    scene.time = 4.0;
    exchange(scene.partial());
    EXPECT_EQ(wizard.getLastUpdateTime(), 4.0);
}

TEST_F(WizardTest, TrainerCommandsAreWrittenAsTheServerReadsThem) {
    const std::vector<std::pair<std::function<void()>, std::string>> rows = {
        {[&] { wizard.setPlayMode(RawPlayMode::GAME_OVER); }, "(playMode GameOver)"},
        {[&] { wizard.setPlayMode(static_cast<RawPlayMode::RAW_PLAY_MODE>(25)); }, "(playMode NONE)"},
        {[&] { wizard.dropBall(); }, "(dropBall)"},
        {[&] { wizard.kickOff(PlaySide::UNKNOWN); }, "(kickOff Unknown)"},
        {[&] { wizard.killSelectedAgent(); }, "(kill)"},
        {[&] { wizard.repositionSelectedAgent(); }, "(repos)"},
        {[&] { wizard.killSimulator(); }, "(killsim)"},
        {[&] { wizard.selectAgent(7, PlaySide::RIGHT); }, "(select (unum 7) (team Right))"},
        {[&] { wizard.killAgent(7, PlaySide::RIGHT); }, "(kill (unum 7) (team Right))"},
        {[&] { wizard.repositionAgent(4, PlaySide::LEFT); }, "(repos (unum 4) (team Left))"},
        {[&] { wizard.setBatteryLevel(5, PlaySide::LEFT, 0.1); },
         "(agent (unum 5) (team Left) (battery 0.10000000000000001))"},
        {[&] { wizard.setTemperature(5, PlaySide::RIGHT, 1e-5); },
         "(agent (unum 5) (team Right) (temperature 1.0000000000000001e-05))"},
        {[&] {
             wizard.setBallPosition({1.5, -2.0, 0.0});
         },
         "(ball (pos 1.5 -2 0))"},
        {[&] {
             wizard.setBallVelocity({0.0, 0.0, 90.0});
         },
         "(ball (vel 0 0 90))"},
        {[&] {
             wizard.setBallPositionAndVelocity({0.0, 0.0, 0.5}, {2.0, 0.0, 0.0});
         },
         "(ball (pos 0 0 0.5) (vel 2 0 0))"},
        {[&] {
             wizard.setAgentPositionAndDirection(3, PlaySide::LEFT, {-10.0, 0.0, 0.35}, M_PI / 2.0);
         },
         "(agent (unum 3) (team Left) (move -10 0 0.34999999999999998 0))"},
        {[&] {
             wizard.setAgentPositionAndDirection(3, PlaySide::LEFT, {0.0, 0.0, 0.0}, 0.0);
         },
         "(agent (unum 3) (team Left) (move 0 0 0 -90))"},
        {[&] {
             wizard.setAgentPositionAndDirection(3, PlaySide::LEFT, {0.0, 0.0, 0.0}, M_PI);
         },
         "(agent (unum 3) (team Left) (move 0 0 0 -270))"},
        {[&] {
             wizard.setAgentPositionAndDirection(3, PlaySide::LEFT, {0.0, 0.0, 0.0}, -M_PI / 2.0);
         },
         "(agent (unum 3) (team Left) (move 0 0 0 -180))"},
        {[&] {
             wizard.setAgentPositionAndDirectionAndVelocity(3, PlaySide::LEFT, {-10, 0, 0.35}, M_PI / 2, {1, 0, 0});
         },
         "(agent (unum 3) (team Left) (move -10 0 0.34999999999999998 0) (vel 1 0 0))"},
        {[&] { wizard.setGameTime(120.0); }, "(time 120 )"},
    };
    std::vector<std::string> expected;
    for (const auto& [command, text] : rows) {
        command();
        expected.push_back(text + "(syn)");
    }
    // Queued before the task starts, sent after its first message.
    wizard.run();

    EXPECT_EQ(exchange(scene.full(), rows.size()), expected);
}

TEST_F(WizardTest, TheTaskEndsOnStopOrWhenTheConnectionCloses) {
    wizard.run();
    exchange(scene.full());
    wizard.stop();

    waitUntilEnded();
    ASSERT_TRUE(monitor.channel().send(scene.partial()));
    EXPECT_FALSE(monitor.channel().receive(SILENCE));

    wizard.run();
    EXPECT_EQ(exchange(scene.partial()), std::vector<std::string>{"(syn)"});
    testing::internal::CaptureStderr();
    monitor.closeAgent();
    waitUntilEnded();
    EXPECT_THAT(testing::internal::GetCapturedStderr(),
                testing::HasSubstr("(Wizard) the monitor connection has ended"));
}

} // namespace
} // namespace wizard
} // namespace utils
