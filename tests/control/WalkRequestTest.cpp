#include "control/WalkRequest.h"

#include <gtest/gtest.h>

#include <limits>

namespace control {
namespace {

using marlowinds_lib::math::Pose2D;

TEST(WalkRequestTest, ModeFollowsTheLateralSpeedOnly) {
    const struct {
        Pose2D velocity;
        WalkMode expected;
    } cases[] = {
        {Pose2D(0.0, 0.0, 0.08), WalkMode::SPRINT}, {Pose2D(0.0, 0.0, 0.09), WalkMode::TURN},
        {Pose2D(0.0, 0.0, -0.09), WalkMode::TURN},  {Pose2D(0.0, 0.0, -0.05), WalkMode::SPRINT},
        {Pose2D(3.0, 0.8, 0.0), WalkMode::SPRINT},  {Pose2D(-2.0, -0.4, 0.3), WalkMode::TURN},
    };
    for (const auto& testCase : cases) {
        const WalkRequest request(testCase.velocity);
        EXPECT_EQ(request.getWalkMode(), testCase.expected) << testCase.velocity.translation.y;
        EXPECT_EQ(request.getVelocity(), testCase.velocity);
        EXPECT_EQ(request.getMovementType(), MovementRequestType::WALK);
    }
}

TEST(WalkRequestTest, AGivenModeIsKept) {
    const WalkRequest request(Pose2D(0.1, 0.2, 0.5), WalkMode::PRECISE);
    EXPECT_EQ(request.getWalkMode(), WalkMode::PRECISE);
    EXPECT_EQ(request.getMovementType(), MovementRequestType::WALK);
}

TEST(WalkRequestTest, ANaNVelocityIsReportedButKept) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    testing::internal::CaptureStdout();
    const WalkRequest request(Pose2D(nan, 0.3, 0.0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(DebbugingUtils) Rotation is nan\nnan");
    EXPECT_TRUE(std::isnan(request.getVelocity().rotation));

    testing::internal::CaptureStdout();
    const WalkRequest finite(Pose2D(0.0, 0.3, 0.0), WalkMode::NORMAL);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

} // namespace
} // namespace control
