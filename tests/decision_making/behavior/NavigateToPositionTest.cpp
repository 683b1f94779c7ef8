#include "decision_making/behavior/NavigateToPosition.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/IdealWalk.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using control::WalkMode;
using control::WalkRequest;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

constexpr double CYCLE = 0.02;
constexpr double SPRINT_TURN = 90.0 * M_PI / 180.0;

class NavigateToPositionTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        // Far from every path, so that the closest-to-ball reasoning has a teammate to weigh.
        Access::setTeammate(models.world(), 11, Pose2D(0.0, -14.0, 9.0));
        Access::refreshPlayerLists(models.world());
    }

    /// One step from that pose; the walk request it made.
    const WalkRequest& stepFrom(const Pose2D& pose, double minimumSpeed = 0.0) {
        Access::setSelfPose(models.world(), pose);
        navigation.behave(models.modeling, minimumSpeed);
        return dynamic_cast<const WalkRequest&>(*navigation.getMovementRequest());
    }

    bool farStepFrom(const Pose2D& pose) {
        stepFrom(pose);
        return navigation.getMovementRequest() == factory.getPotentialFieldNavigationBehavior()->getMovementRequest();
    }

    HandBuiltModeling models{7};
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // the factory reads formations
    BehaviorFactory factory;
    NavigateToPosition& navigation = *factory.getNavigatePosition();
};

TEST_F(NavigateToPositionTest, ReachesTheTargetPoseFromEveryStartTurningTheShortWayAndSlowingDownNearIt) {
    const Pose2D target(2.5, 3.0, -2.0);
    for (const double minimumSpeed : {0.0, 0.9}) {
        for (const double distance : {0.3, 0.9, 1.2, 4.0, 11.0}) {
            for (int bearing = 0; bearing < 8; ++bearing) {
                for (const double heading : {-3.0, -1.5, 0.0, 1.5, 3.0}) {
                    const double angle = bearing * M_PI / 4.0;
                    Pose2D pose(heading,
                                target.translation + Vector2<double>(std::cos(angle), std::sin(angle)) * distance);
                    navigation.setTarget(target);
                    for (int cycle = 0; cycle < 2000; ++cycle) {
                        const double headingError = MathUtils::normalizeAngle(target.rotation - pose.rotation);
                        const double remaining = pose.translation.distance(target.translation);
                        const WalkRequest& walk = stepFrom(pose, minimumSpeed);
                        if (remaining < NavigateToPosition::FAR_DISTANCE && minimumSpeed == 0.0) {
                            EXPECT_GE(walk.getVelocity().rotation * headingError, 0.0) << "turns the long way";
                            EXPECT_LE(walk.getVelocity().translation.norm(), remaining + 1e-12) << "not slowing down";
                        }
                        pose = testing::walkedOneCycle(pose, walk.getVelocity());
                    }
                    const auto where = ::testing::Message() << "from " << distance << " m, bearing " << bearing
                                                            << ", heading " << heading << ", at least " << minimumSpeed;
                    // Stretched to the least speed, a step overshoots by up to one cycle's walk and turn.
                    const double tolerance = minimumSpeed > 0.0 ? 0.8 * CYCLE + 1e-3 : 1e-3;
                    EXPECT_LT(pose.translation.distance(target.translation), tolerance) << where;
                    EXPECT_LT(std::fabs(MathUtils::normalizeAngle(target.rotation - pose.rotation)),
                              minimumSpeed > 0.0 ? 2.0 * SPRINT_TURN * CYCLE : 1e-3)
                        << where;
                }
            }
        }
    }
}

TEST_F(NavigateToPositionTest, GoesRoundAPlayerOnItsWayWhenFar) {
    for (const double offset : {-0.1, 0.0, 0.1}) {
        Access::setOpponent(models.world(), 3, Pose2D(0.0, 0.0, offset));
        Access::refreshPlayerLists(models.world());
        const Pose2D target(0.0, 4.0, 0.0);
        navigation.setTarget(target);
        Pose2D pose(0.0, -4.0, 0.0);
        double closest = 100.0;
        for (int cycle = 0; cycle < 1500; ++cycle) {
            pose = testing::walkedOneCycle(pose, stepFrom(pose).getVelocity());
            closest = std::min(closest, pose.translation.distance(Vector2<double>(0.0, offset)));
        }
        EXPECT_GT(closest, 0.8) << offset;
        EXPECT_LT(pose.translation.distance(target.translation), 1e-3) << offset;
    }
}

// Wrapped, the heading error of +6.0 rad is -0.28 rad: the agent turns 16 degrees, not 344.
TEST_F(NavigateToPositionTest, TargetHeadingPlusThreeFromMinusThreeTurnsMinusPointTwoEightNotPlusSix) {
    navigation.setTarget(Pose2D(3.0, 1.0, 1.0));
    EXPECT_NEAR(stepFrom(Pose2D(-3.0, 1.0, 1.0)).getVelocity().rotation, 6.0 - 2.0 * M_PI, 1e-12);
}

TEST_F(NavigateToPositionTest, ThePotentialFieldTakesOverAtOneMetreAndGivesUpOnlyBelowOneAndAHalf) {
    navigation.setTarget(Pose2D());
    const struct {
        double distance;
        bool far;
    } sequence[] = {{1.0, true}, {0.99, false}, {1.49, false}, {1.5, true}, {1.2, true}, {0.5, false}};
    for (const auto& step : sequence) {
        EXPECT_EQ(farStepFrom(Pose2D(0.0, -step.distance, 0.0)), step.far) << step.distance;
    }
}

TEST_F(NavigateToPositionTest, AShortStepIsStretchedToTheLeastSpeedTurnIncludedBeforeTheLimits) {
    navigation.setTarget(Pose2D(0.1, 0.3, 0.0));
    const Pose2D velocity = stepFrom(Pose2D(0.0, 0.0, 0.0), 0.9).getVelocity();
    EXPECT_NEAR(velocity.rotation, 0.3, 1e-12);
    EXPECT_NEAR(velocity.translation.x, 0.7 * (1.0 - 0.3 / SPRINT_TURN), 1e-12);
    EXPECT_NEAR(stepFrom(Pose2D(0.1, 0.3, 0.0), 0.9).getVelocity().rotation, 0.0, 1e-12); // on the target: no stretch
}

TEST_F(NavigateToPositionTest, PreciseLastsOneStepAndAStoppingRequestWaitsForANearPreciseStep) {
    navigation.setTarget(Pose2D(2.0, 0.0, 0.0));
    const Pose2D near(0.0, -0.5, 0.0);
    const Pose2D far(0.0, -3.0, 0.0);
    const struct {
        bool precise;
        bool stopping;
        Pose2D pose;
        WalkMode mode;
        double turnFactor;
    } sequence[] = {
        {true, false, near, WalkMode::PRECISE, 5.0}, {false, false, near, WalkMode::SPRINT, 1.0},
        {false, true, near, WalkMode::SPRINT, 1.0},  {true, false, far, WalkMode::SPRINT, -1.0},
        {true, false, near, WalkMode::PRECISE, 2.5}, {true, false, near, WalkMode::PRECISE, 5.0},
    };
    for (const auto& step : sequence) {
        navigation.setPreciseMode(step.precise);
        if (step.stopping) {
            navigation.setStoppingMode(true);
        }
        const WalkRequest& walk = stepFrom(step.pose);
        EXPECT_EQ(walk.getWalkMode(), step.mode);
        if (step.turnFactor > 0.0) {
            EXPECT_NEAR(walk.getVelocity().rotation, step.turnFactor * SPRINT_TURN, 1e-12);
        }
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
