#include "decision_making/behavior/Keep.h"

#include "control/KeyframeRequest.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <string>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

std::string pageOf(const Behavior& behavior) {
    const auto& request = dynamic_cast<const control::KeyframeRequest&>(*behavior.getMovementRequest());
    EXPECT_FALSE(request.isInverted());
    return request.getName();
}

TEST(KeepTest, CatchesToTheSideTheBallPassesOnAndBlocksABallStraightAtTheKeeper) {
    const struct {
        Pose2D ball;
        Pose2D keeper;
        const char* page;
    } table[] = {
        {Pose2D(0.0, -10.0, 0.05), Pose2D(0.0, -10.0, 0.0), "catchLeft"},
        {Pose2D(0.0, -10.0, -0.05), Pose2D(0.0, -10.0, 0.0), "catchRight"},
        {Pose2D(0.0, -10.0, 0.04), Pose2D(0.0, -10.0, 0.0), "goalieHockey"},
        {Pose2D(0.0, -12.0, 1.0), Pose2D(0.0, -14.5, -0.5), "catchLeft"},
        {Pose2D(0.0, -12.0, -1.0), Pose2D(0.0, -14.5, 0.5), "catchRight"},
        // On the centre line the ball's own offset alone counts.
        {Pose2D(0.0, 0.0, 0.3), Pose2D(0.0, -14.5, 0.0), "catchLeft"},
        {Pose2D(0.0, 0.0, 0.0), Pose2D(0.0, -14.5, 0.0), "goalieHockey"},
    };
    for (const auto& row : table) {
        HandBuiltModeling models(1);
        Access::setSelfPose(models.world(), row.keeper);
        Access::setBall(models.world(), row.ball);
        Keep keep;
        keep.behave(models.modeling);
        EXPECT_EQ(pageOf(keep), row.page) << row.ball.translation.x << ", " << row.ball.translation.y;
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
