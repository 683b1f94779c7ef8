#include "decision_making/behavior/KickBehavior.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/behavior/kick_behavior/RelativeWithTargetExpectedPoseCalculator.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/decision_making/behavior/kick_behavior/KickMotion.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using testing::motionOf;
using Access = HandBuiltModeling::Access;

/// A kicker of body type 4 with the ball on the centre spot, kicking 10 m
/// straight ahead: its kick stands 0.165 m behind the ball, turned by 0.1 rad.
class KickBehaviorTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setBall(models.world(), Pose2D(0.0, 0.0, 0.0));
        kick.setTarget(Vector2<double>(10.0, 0.0));
    }

    /// One cycle with the agent at that pose; the state it ends in.
    int cycleAt(const Pose2D& pose) {
        Access::setSelfPose(models.world(), pose);
        kick.behave(models.modeling);
        return kick.getState();
    }

    /// A first cycle far away, after which the kick and its pose are known.
    void warmUp() { ASSERT_EQ(cycleAt(Pose2D(0.0, -3.0, 0.0)), KickBehavior::APPROACH); }

    bool walksBy(const Behavior& partner) const {
        return kick.getMovementRequest() != nullptr && kick.getMovementRequest() == partner.getMovementRequest();
    }

    const Pose2D KICK_POSE{0.1, -0.165, 0.0};
    HandBuiltModeling models{7};
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // the factory reads formations
    BehaviorFactory factory;
    KickBehavior& kick = *factory.getKickBehavior();
};

TEST_F(KickBehaviorTest, ApproachesTurnsRoundCorrectsKicksAndReturnsWhenTheAgentStrays) {
    warmUp();
    EXPECT_TRUE(walksBy(*factory.getNavigatePosition()));

    EXPECT_EQ(cycleAt(Pose2D(0.0, -0.4, 0.3)), KickBehavior::ROTATE);
    EXPECT_TRUE(walksBy(*factory.getCircleBall()));
    EXPECT_NEAR(factory.getCircleBall()->getRadius(), 0.75 * 0.165, 1e-12);

    EXPECT_EQ(cycleAt(Pose2D(0.1, -0.145, 0.0)), KickBehavior::CORRECT_POSITION);
    EXPECT_TRUE(kick.isPreciseMode());
    EXPECT_EQ(std::dynamic_pointer_cast<control::WalkRequest>(kick.getMovementRequest())->getWalkMode(),
              control::WalkMode::PRECISE);

    EXPECT_EQ(cycleAt(KICK_POSE), KickBehavior::KICK);
    EXPECT_FALSE(kick.isPreciseMode());
    const auto firstRequest = kick.getMovementRequest();
    EXPECT_EQ(motionOf(firstRequest), "neural kick/output_graph_toe");

    // While kicking the target is frozen, and the kick is asked for anew every cycle.
    kick.setTarget(Vector2<double>(0.0, 10.0));
    EXPECT_EQ(cycleAt(KICK_POSE), KickBehavior::KICK);
    EXPECT_NE(kick.getMovementRequest(), firstRequest);
    EXPECT_EQ(motionOf(kick.getMovementRequest()), "neural kick/output_graph_toe");
    EXPECT_NEAR(kick.getRelativeSelfToBallExpectedPosition().y, 0.0, 1e-12);

    EXPECT_EQ(cycleAt(Pose2D(0.1, -0.165, 0.61)), KickBehavior::APPROACH);
    kick.setTarget(Vector2<double>(0.0, 10.0));
    cycleAt(Pose2D(0.1, -0.165, 0.61));
    EXPECT_NEAR(kick.getRelativeSelfToBallExpectedPosition().x, 0.0, 1e-12);
    EXPECT_NEAR(kick.getRelativeSelfToBallExpectedPosition().y, -0.165, 1e-12);
}

TEST_F(KickBehaviorTest, TheThresholdsOfTheStatesAreStrict) {
    const struct {
        Pose2D from;
        Pose2D at;
        int state;
    } table[] = {
        {Pose2D(0.0, -3.0, 0.0), Pose2D(0.0, -0.165, 0.6), KickBehavior::ROTATE},
        {Pose2D(0.0, -3.0, 0.0), Pose2D(0.0, -0.165, 0.61), KickBehavior::APPROACH},
        // 3 mm off and just under half a degree: close enough to kick.
        {Pose2D(0.0, -3.0, 0.0), Pose2D(0.1 + 0.0087, -0.165, 0.003), KickBehavior::KICK},
        {Pose2D(0.0, -3.0, 0.0), Pose2D(0.1 + 0.0088, -0.165, 0.003), KickBehavior::CORRECT_POSITION},
        // Once correcting, a bearing off the pose does not send the agent back to circling.
        {Pose2D(0.1, -0.145, 0.0), Pose2D(0.1, -0.165, 0.03), KickBehavior::CORRECT_POSITION},
    };
    for (const auto& row : table) {
        KickBehavior fresh(&factory);
        kick = fresh;
        kick.setTarget(Vector2<double>(10.0, 0.0));
        warmUp();
        cycleAt(row.from);
        EXPECT_EQ(cycleAt(row.at), row.state) << row.at.translation.x << ", " << row.at.translation.y;
    }
}

TEST_F(KickBehaviorTest, CorrectingThatStaysTooFarForHalfASecondStartsTheApproachAgain) {
    warmUp();
    ASSERT_EQ(cycleAt(Pose2D(0.1, -0.145, 0.0)), KickBehavior::CORRECT_POSITION);
    const Pose2D tooFar(0.1, -0.245, 0.0); // 8 cm
    for (int cycle = 1; cycle <= 10; ++cycle) {
        ASSERT_EQ(cycleAt(tooFar), KickBehavior::CORRECT_POSITION);
    }
    ASSERT_EQ(cycleAt(Pose2D(0.1, -0.225, 0.0)), KickBehavior::CORRECT_POSITION); // 6 cm restarts the count
    for (int cycle = 1; cycle < 25; ++cycle) {
        ASSERT_EQ(cycleAt(tooFar), KickBehavior::CORRECT_POSITION) << cycle;
    }
    EXPECT_EQ(cycleAt(tooFar), KickBehavior::APPROACH);
}

TEST_F(KickBehaviorTest, FromBesideOrBeyondTheBallTheApproachAimsBesideIt) {
    warmUp();
    const Pose2D level(0.0, 0.3, 0.5); // 0.68 m from the kick pose
    ASSERT_EQ(cycleAt(level), KickBehavior::APPROACH);

    // The direct walk heads for the point 1.3 circle radii beside the ball, keeping the heading.
    const Pose2D& velocity = std::dynamic_pointer_cast<control::WalkRequest>(kick.getMovementRequest())->getVelocity();
    const Vector2<double> besideBall(0.0, 1.3 * 0.75 * 0.165);
    EXPECT_NEAR(velocity.translation.angle(), (besideBall - level.translation).angle(), 1e-9);
    EXPECT_NEAR(velocity.rotation, 0.0, 1e-12);
}

TEST_F(KickBehaviorTest, EachBodyEndsInTheKickChosenForIt) {
    const struct {
        int number;
        int bodyType;
        Vector2<double> target;
        const char* motion;
    } table[] = {
        {7, 4, {10.0, 0.0}, "neural kick/output_graph_toe"},   {7, 4, {3.0, 4.0}, "keyframe superKickLeft"},
        {4, 2, {-8.0, -2.0}, "keyframe secondaryKickLeftLeg"}, {9, 0, {1.0, 10.5}, "neural kick/12.5m"},
        {10, 0, {10.0, 0.0}, "keyframe bestKickLeftLeg"},
    };
    for (const auto& row : table) {
        HandBuiltModeling kicker(row.number, row.bodyType);
        Access::setBall(kicker.world(), Pose2D(0.0, 1.0, -2.0));
        BehaviorFactory own;
        KickBehavior& approach = *own.getKickBehavior();
        approach.setTarget(row.target);
        Access::setSelfPose(kicker.world(), Pose2D(0.0, -3.0, 0.0));
        approach.behave(kicker.modeling);

        const Pose2D ball = kicker.world().getBall().getPosition();
        const Pose2D relative = kick_behavior::RelativeWithTargetExpectedPoseCalculator::calculateExpectedPosition(
            kick_behavior::DataToFindExpectedPosition(ball, Pose2D(0.0, row.target), approach.getKickParameters()));
        Access::setSelfPose(kicker.world(), Pose2D(relative.rotation, ball.translation + relative.translation));
        approach.behave(kicker.modeling);

        EXPECT_EQ(approach.getState(), KickBehavior::KICK) << row.motion;
        EXPECT_EQ(motionOf(approach.getMovementRequest()), row.motion);
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
