// The wizard against the real simulation server: the true poses it reads are
// where the trainer commands put the player and the ball.
#include "action/Action.h"
#include "action/EffectorFactory.h"
#include "communication/ServerSocketImpl.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/Watchdog.h"
#include "tools/field_trial/RealServer.h"
#include "utils/wizard/Wizard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tests {
namespace {

using namespace std::chrono_literals;
using marlowinds_lib::math::Vector3;
using representations::PlaySide;
using representations::RawPlayMode;
using tools::field_trial::RealServer;

constexpr auto START_UP = 30s;
constexpr auto CYCLE = 10s;
constexpr auto JOINING = 50ms;
constexpr int MAXIMUM_CYCLES = 500;
constexpr double CENTIMETRE = 0.01;

/// One player connected through the agent's own connection and message
/// writer: it answers its first sensor message with the init command and the
/// later ones with zero joint speeds.
class Player {
public:
    Player(int agentPort, int unum, std::string team)
        : unum(unum), team(std::move(team)),
          link(std::make_unique<communication::ServerSocketImpl>("127.0.0.1", agentPort)) {
        link.establishConnection();
        effectors.addCreateEffector(action::Action::NAO_SCENE_STRING, 0);
        link.sendMessage(effectors.toString());
    }

    /// Answers the next sensor message. A player still waiting for its body
    /// only looks; a registered one fails when no message comes in time.
    bool step() {
        if (!link.waitForMessage(registered ? CYCLE : JOINING)) {
            return !registered;
        }
        link.receiveMessage();
        if (link.connectionClosed()) {
            return false;
        }
        effectors.clear();
        if (registered) {
            effectors.addJointsEffectors(representations::NaoJoints());
        } else {
            effectors.addInitEffector(unum, team);
        }
        registered = true;
        link.sendMessage(effectors.toString());
        return true;
    }

    bool registered = false;

private:
    int unum;
    std::string team;
    communication::Communication link;
    action::EffectorFactory effectors;
};

class WizardRealServerTest : public testing::Test {
protected:
    void SetUp() override {
        if (RealServer::command().empty()) {
            GTEST_SKIP() << "RCSSSERVER3D names no real server on this machine";
        }
        server = std::make_unique<RealServer>(folder.string());
        ASSERT_TRUE(server->waitUntilListening(START_UP)) << server->log();
        monitorLink.emplace(std::make_unique<communication::ServerSocketImpl>("127.0.0.1", server->monitorPort));
        ASSERT_FALSE(monitorLink->establishConnection());
        wizard = std::make_unique<utils::wizard::Wizard>(*monitorLink);
        wizard->run();
        // In sync mode players join one at a time, while those in play go on.
        for (const auto& [unum, team] : {std::pair{7, "Testers"}, std::pair{3, "Rivals"}}) {
            players.push_back(std::make_unique<Player>(server->agentPort, unum, team));
            ASSERT_TRUE(runUntil([&] { return players.back()->registered; })) << server->log();
        }
    }

    /// Runs the simulation a cycle at a time until the condition holds.
    bool runUntil(const std::function<bool()>& condition) {
        for (int cycle = 0; cycle < MAXIMUM_CYCLES; ++cycle) {
            if (condition()) {
                return true;
            }
            for (const auto& player : players) {
                if (!player->step()) {
                    ADD_FAILURE() << "no sensor message\n" << server->log();
                    return false;
                }
            }
        }
        return condition();
    }

    static bool within(const Vector3<double>& actual, double x, double y) {
        return std::hypot(actual.x - x, actual.y - y) <= CENTIMETRE;
    }

    // Declared so that they go in reverse: the players, the wizard's thread,
    // its link, then the server.
    Watchdog watchdog{240};
    TemporaryFolder folder;
    std::unique_ptr<RealServer> server;
    std::optional<communication::Communication> monitorLink;
    std::unique_ptr<utils::wizard::Wizard> wizard;
    std::vector<std::unique_ptr<Player>> players;
};

TEST_F(WizardRealServerTest, TruePosesAreWhereTheTrainerPutThePlayersAndTheBall) {
    ASSERT_TRUE(
        runUntil([&] { return wizard->hasAgentPose(7, PlaySide::LEFT) && wizard->hasAgentPose(3, PlaySide::RIGHT); }));
    EXPECT_EQ(wizard->getNumberOfPlayers(PlaySide::LEFT), 1);
    EXPECT_EQ(wizard->getNumberOfPlayers(PlaySide::RIGHT), 1);

    // Before kick-off the server keeps players in their own half and the ball on the centre spot.
    wizard->setPlayMode(RawPlayMode::PLAY_ON);
    const double heading = 0.7;
    wizard->setAgentPositionAndDirection(7, PlaySide::LEFT, {4.0, -3.0, 0.4}, heading);
    wizard->setAgentPositionAndDirection(3, PlaySide::RIGHT, {-6.0, 2.5, 0.4}, -2.0);
    wizard->setBallPosition({1.5, -2.0, 0.042});

    // Translation and rotation of one scene, before the player may topple.
    marlowinds_lib::math::Pose3D moved;
    EXPECT_TRUE(runUntil([&] {
        moved = wizard->getAgentPose3D(7, PlaySide::LEFT);
        return within(moved.translation, 4.0, -3.0);
    })) << moved.translation.x
        << " " << moved.translation.y;
    EXPECT_NEAR(std::remainder(moved.rotation.getZAngle() - M_PI / 2.0 - heading, 2.0 * M_PI), 0.0, 0.01);
    EXPECT_TRUE(runUntil([&] { return within(wizard->getAgentTranslation(3, PlaySide::RIGHT), -6.0, 2.5); }));
    EXPECT_TRUE(runUntil([&] { return within(wizard->getBallTranslation(), 1.5, -2.0); }))
        << wizard->getBallTranslation().x << " " << wizard->getBallTranslation().y;
    EXPECT_GT(wizard->getLastUpdateTime(), 0.0);
    EXPECT_TRUE(wizard->isRunning());
}

} // namespace
} // namespace tests
