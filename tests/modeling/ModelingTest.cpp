#include "modeling/Modeling.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/Perception.h"
#include "tests/modeling/ServerMessage.h"
#include "tests/modeling/StubControl.h"
#include "tests/perception/MessageFeed.h"
#include "tests/support/TeamRadioRecord.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using M = ServerMessage;

const std::string TEAM = "Marlowinds";
const std::string PLAY_ON = "(unum 4) (team right) (t 10.00) (pm PlayOn)";

bool finite(const Pose2D& pose) {
    return std::isfinite(pose.rotation) && std::isfinite(pose.translation.x) && std::isfinite(pose.translation.y);
}

class ModelingTest : public ::testing::Test {
protected:
    void SetUp() override { MathUtils::generator.seed(5489u); }

    void model(const std::string& message) {
        perception.perceive(feed.deliver(message));
        modeling.model(perception, control);
    }

    perception::testing::MessageFeed feed;
    perception::Perception perception{TEAM};
    StubControl control;
    Modeling modeling{4, TEAM, 2};
};

TEST(ModelingConstructionTest, RejectsAUniformNumberOffTheField) {
    EXPECT_THROW(Modeling(12, TEAM, 0), std::invalid_argument);
}

TEST_F(ModelingTest, EachCycleTheWorldModelMovesWithTheOdometryReadInThatCycle) {
    model(M::make(10.02, PLAY_ON, M::ball(2.0, 0.0)));
    const double seenX = modeling.getWorldModel().getBall().getLocalPosition().translation.x;

    control.odometry.mean = Pose2D(0.0, 0.1, 0.0); // the walk stepped 10 cm forward
    model(M::make(10.04, PLAY_ON));
    control.odometry.mean = Pose2D(0.0, 0.0, 0.0);
    model(M::make(10.06, PLAY_ON));

    EXPECT_EQ(control.calls, 3);
    EXPECT_NEAR(modeling.getWorldModel().getBall().getLocalPosition().translation.x, seenX - 0.1, 1e-3);
}

TEST_F(ModelingTest, TheAgentModelIsUpdatedBeforeTheWorldModelReadsIt) {
    // The camera-to-root transform of this very cycle moves the seen ball.
    model(M::make(10.02, PLAY_ON, M::ball(2.0, 0.0)));

    EXPECT_EQ(modeling.getAgentModel().getAgentPerception(), &perception.getAgentPerception());
    const auto& objects = perception.getAgentPerception().getVisibleObjects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_NEAR(objects[0]->getPosition().z, 0.04, 1e-4);
}

/// Random walks of the robot, the ball and the players, vision every third
/// cycle and heard records now and then: no model ever holds a NaN.
TEST_F(ModelingTest, RandomGamesNeverGiveNotANumber) {
    auto uniform = MathUtils::getUniformRandomGenerator(-1.0, 1.0);
    tools::test_server::SimulatedWorld simulated;
    simulated.uniformNumber = 4;
    simulated.playMode = "PlayOn";
    simulated.players = {{TEAM, 2, 0, 0}, {TEAM, 9, 0, 0}, {"Opponents", 3, 0, 0}, {"Opponents", 10, 0, 0}};
    tools::test_server::SensorMessageBuilder builder(simulated);
    for (int cycle = 0; cycle < 600; ++cycle) {
        tools::test_server::SimulatedWorld& state = builder.world();
        if (cycle % 50 == 0) {
            state.leftSide = uniform() > 0.0;
            state.robotX = 14.0 * uniform();
            state.robotY = 9.0 * uniform();
            state.robotHeading = 3.1 * uniform();
        }
        state.ballX = std::clamp(state.ballX + 0.1 * uniform(), -15.0, 15.0);
        state.ballY = std::clamp(state.ballY + 0.1 * uniform(), -10.0, 10.0);
        for (auto& player : state.players) {
            player.x = 14.0 * uniform();
            player.y = 9.0 * uniform();
        }
        if (cycle % 7 == 0) {
            const int sender = 2 + cycle % 10;
            const double direction = 90.0 * uniform();
            builder.queueHeard(TEAM,
                               tests::TeamRadioRecord::fieldPlayer(
                                   sender, 14.0 * uniform(), 9.0 * uniform(), uniform() > 0.5, 14.0 * uniform(),
                                   9.0 * uniform(), uniform() > 0.0, tests::TeamRadioRecord::defaultRoles(), sender),
                               &direction);
        }
        control.odometry.mean = Pose2D(0.05 * uniform(), 0.03 * uniform(), 0.02 * uniform());

        model(builder.nextMessage());

        WorldModel& world = modeling.getWorldModel();
        ASSERT_TRUE(finite(world.getSelf().getPosition())) << "cycle " << cycle;
        ASSERT_TRUE(finite(world.getBall().getPosition())) << "cycle " << cycle;
        ASSERT_TRUE(finite(world.getBall().getLocalPosition())) << "cycle " << cycle;
        ASSERT_TRUE(finite(world.getBall().getVelocity())) << "cycle " << cycle;
        for (const PlayerDistanceList* list :
             {&world.getTeammatesFromSelf(), &world.getTeammatesFromBall(), &world.getOpponentsFromSelf(),
              &world.getOpponentsFromBall(), &world.getOpponentsFromOurGoal()}) {
            for (const auto& entry : *list) {
                ASSERT_TRUE(std::isfinite(entry.first)) << "cycle " << cycle;
                ASSERT_TRUE(finite(entry.second->getPosition())) << "cycle " << cycle;
            }
        }
    }
}

} // namespace
} // namespace modeling
