#include "decision_making/behavior/FollowLine.h"

#include "control/WalkRequest.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/IdealWalk.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

class FollowLineTest : public testing::ShippedNavigationParams {
protected:
    Pose2D stepFrom(const Pose2D& pose) {
        Access::setSelfPose(models.world(), pose);
        line.behave(models.modeling);
        const auto& walk = dynamic_cast<const control::WalkRequest&>(*line.getMovementRequest());
        EXPECT_EQ(walk.getWalkMode(), control::WalkMode::CONDUCT);
        return walk.getVelocity();
    }

    HandBuiltModeling models{7};
    FollowLine line{nullptr};
};

TEST_F(FollowLineTest, FromEitherSideItSteersOntoTheLineAndAlongIt) {
    const double direction = -2.0;
    const Vector2<double> point(-3.0, 4.0);
    const Vector2<double> left = Vector2<double>(-std::sin(direction), std::cos(direction));
    line.setLine(direction, point);
    for (const double offset : {-2.0, -1.0, 1.0, 2.0}) {
        for (const double heading : {direction - 0.8, direction + 0.8}) {
            Pose2D pose(heading, point + left * offset);
            const Pose2D first = stepFrom(pose);
            EXPECT_LT(first.translation.y * offset, 0.0) << "steers away from the line";
            for (int cycle = 0; cycle < 500; ++cycle) {
                pose = testing::walkedOneCycle(pose, stepFrom(pose));
            }
            EXPECT_NEAR((pose.translation - point).dot(left), 0.0, 0.01) << offset << ", " << heading;
            EXPECT_NEAR(pose.rotation, direction, 0.01) << offset << ", " << heading;
        }
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
