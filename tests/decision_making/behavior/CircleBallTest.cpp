#include "decision_making/behavior/CircleBall.h"

#include "control/WalkRequest.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/IdealWalk.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

constexpr double RADIUS = 0.3;

/// Circling round a ball on the centre spot, on a circle of 0.3 m.
class CircleBallTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setBall(models.world(), Pose2D(0.0, 0.0, 0.0));
    }

    /// One step from that pose, with a minimum speed when one is given; the velocity asked for.
    Pose2D stepFrom(const Pose2D& pose, double minimumSpeed = -1.0) {
        Access::setSelfPose(models.world(), pose);
        if (minimumSpeed < 0.0) {
            circle.behave(models.modeling);
        } else {
            circle.behave(models.modeling, minimumSpeed);
        }
        const auto& walk = dynamic_cast<const control::WalkRequest&>(*circle.getMovementRequest());
        EXPECT_EQ(walk.getWalkMode(), control::WalkMode::CIRCLE);
        return walk.getVelocity();
    }

    HandBuiltModeling models{7};
    CircleBall circle{nullptr, RADIUS, 30.0, 0.4};
};

TEST_F(CircleBallTest, ABallFarToTheLeftIsOnlyTurnedToButOneToTheRightIsCircledAtOnce) {
    const Pose2D toTheLeft = stepFrom(Pose2D(MathUtils::degreesToRadians(-40.0), -1.0, 0.0));
    EXPECT_EQ(toTheLeft.translation, Vector2<double>(0.0, 0.0));
    EXPECT_GT(toTheLeft.rotation, 0.0);

    const Pose2D toTheRight = stepFrom(Pose2D(MathUtils::degreesToRadians(90.0), -1.0, 0.0));
    EXPECT_GT(toTheRight.translation.x, 0.0);
    EXPECT_LT(toTheRight.rotation, 0.0);
}

TEST_F(CircleBallTest, TheGentleStepWalksAtLeastTheMinimumSpeedAndFacesWhereAskedForOneStep) {
    // 1/30 m outside the circle, facing the ball: 0.05 m/s straight at it.
    const Pose2D slow = stepFrom(Pose2D(0.0, -RADIUS - 0.05 / 1.5, 0.0), 0.1);
    EXPECT_NEAR(slow.translation.x, 0.1, 1e-12);
    EXPECT_NEAR(slow.translation.y, 0.0, 1e-12);

    const Pose2D behindBall(0.0, -RADIUS, 0.0); // on the circle, facing the ball
    circle.facing(-1.0);
    const Pose2D still = stepFrom(behindBall, 0.1);
    EXPECT_EQ(still.translation.norm(), 0.0);
    EXPECT_LT(still.rotation, 0.0);
    EXPECT_NEAR(stepFrom(behindBall, 0.1).rotation, 0.0, 1e-12);
}

TEST_F(CircleBallTest, WalksRoundToBehindTheBallFromAnywhereOnTheCircle) {
    for (const double dribbleDirection : {0.0, 2.0, -2.5}) {
        circle.setDribbleDirection(dribbleDirection);
        for (int start = 0; start < 12; ++start) {
            const double angle = start * MathUtils::PI / 6.0;
            Pose2D pose(angle + MathUtils::PI, Vector2<double>(std::cos(angle), std::sin(angle)) * RADIUS);
            for (int cycle = 0; cycle < 1500; ++cycle) {
                pose = testing::walkedOneCycle(pose, stepFrom(pose));
            }
            const Pose2D behind = circle.getCircleBallPose(Vector2<double>(0.0, 0.0));
            EXPECT_LT(pose.translation.distance(behind.translation), 0.02)
                << "direction " << dribbleDirection << ", start " << start;
        }
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
