#include "control/WalkRequest.h"

#include "control/WalkInputDataSetter.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(WalkRequestTest, ANaNVelocityIsReportedPartByPartButKept) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Pose2D velocity;
        const char* output;
    } cases[] = {
        {Pose2D(nan, 0.3, 0.0), "(DebbugingUtils) Rotation is nan\nnan"},
        {Pose2D(0.1, nan, nan), "(DebbugingUtils) translation.x is nan\n(DebbugingUtils) translation.y is nan\nnan"},
        {Pose2D(0.0, 0.3, 0.0), ""},
    };
    for (const auto& testCase : cases) {
        testing::internal::CaptureStdout();
        const WalkRequest withMode(testCase.velocity, WalkMode::NORMAL);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), testCase.output);
        testing::internal::CaptureStdout();
        const WalkRequest withoutMode(testCase.velocity);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), testCase.output);
        EXPECT_EQ(std::isnan(withoutMode.getVelocity().translation.y), std::isnan(testCase.velocity.translation.y));
        EXPECT_EQ(std::isnan(withMode.getVelocity().rotation), std::isnan(testCase.velocity.rotation));
    }
}

TEST(WalkRequestTest, TheWalkInputClearsTheFlagAndGivesTheWalkTheVelocityWithNaNAsZero) {
    const auto nao = walking::RobotPhysicalParameters::getNaoPhysicalParameters();
    walking::InverseKinematics inverseKinematics(nao);
    const walking::OmnidirectionalWalkZMPParams params(0.2, 0.325, 0.02, 0.2, 0.055, 0.5);
    walking::OmnidirectionalWalkZMP walk(params, nao, &inverseKinematics);
    walk.setWalkParams(params);
    bool flag = true;
    WalkInputDataSetter setter(walk, Pose2D(1.0, -3.0, 2.0), flag);
    testing::internal::CaptureStdout();
    WalkRequest(Pose2D(0.5, std::numeric_limits<double>::quiet_NaN(), -0.05)).setWalkInput(setter);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(flag);

    representations::NaoJoints joints;
    walk.update(0.2, joints); // the next step is planned with the request's velocity
    EXPECT_EQ(walk.getCurrentVelocity(), Pose2D(0.5, 0.0, -0.05));
}

} // namespace
} // namespace control
