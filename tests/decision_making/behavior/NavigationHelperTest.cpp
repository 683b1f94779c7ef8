#include "decision_making/behavior/NavigationHelper.h"

#include "tests/decision_making/behavior/ShippedNavigationParams.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using control::WalkMode;
using marlowinds_lib::math::Pose2D;

constexpr double SPRINT_TURN = 90.0 * M_PI / 180.0; // rad/s

class NavigationHelperTest : public testing::ShippedNavigationParams {
protected:
    NavigationHelper helper;
};

TEST_F(NavigationHelperTest, TurningTakesItsShareFirstAndTheTranslationKeepsItsDirection) {
    const struct {
        Pose2D velocity;
        WalkMode mode;
        Pose2D limited;
    } table[] = {
        {{0.0, 1.0, 0.0}, WalkMode::SPRINT, {0.0, 0.7, 0.0}},
        {{0.0, -1.0, 0.0}, WalkMode::SPRINT, {0.0, -0.35, 0.0}},
        // Diagonal: the forward limit by the forward share plus the side limit by the side share.
        {{0.0, 3.0, 4.0}, WalkMode::SPRINT, {0.0, 0.6 * 0.66, 0.8 * 0.66}},
        {{0.0, 0.3, 0.1}, WalkMode::SPRINT, {0.0, 0.3, 0.1}},
        {{0.5 * SPRINT_TURN, 1.0, 0.0}, WalkMode::SPRINT, {0.5 * SPRINT_TURN, 0.35, 0.0}},
        {{-4.0, 1.0, 0.0}, WalkMode::SPRINT, {-SPRINT_TURN, 0.0, 0.0}},
        {{0.0, 1.0, 0.0}, WalkMode::PRECISE, {0.0, 0.3, 0.0}},
        {{0.0, 0.0, 1.0}, WalkMode::CIRCLE, {0.0, 0.0, 0.35}},
    };
    for (const auto& row : table) {
        const Pose2D limited = helper.saturateWalkVelocity(row.velocity, row.mode);
        EXPECT_NEAR(limited.rotation, row.limited.rotation, 1e-12) << static_cast<int>(row.mode);
        EXPECT_NEAR(limited.translation.x, row.limited.translation.x, 1e-12) << row.velocity.translation.x;
        EXPECT_NEAR(limited.translation.y, row.limited.translation.y, 1e-12) << row.velocity.translation.y;
    }
}

TEST_F(NavigationHelperTest, StopAndSprintTurnWalkWithTheNormalSet) {
    for (const WalkMode mode : {WalkMode::STOP, WalkMode::SPRINT_TURN}) {
        EXPECT_EQ(helper.saturateWalkVelocity(Pose2D(0.0, 1.0, 0.0), mode), Pose2D(0.0, 0.6, 0.0))
            << static_cast<int>(mode);
    }
}

TEST_F(NavigationHelperTest, ASetNeverLoadedStandsStillRatherThanGivingNotANumber) {
    setAt(static_cast<int>(control::walking::OmnidirectionalWalkZMParamsType::SPRINT)) = {};
    EXPECT_EQ(helper.saturateWalkVelocity(Pose2D(0.0, 1.0, 0.0), WalkMode::SPRINT), Pose2D());
}

TEST_F(NavigationHelperTest, HeadingControlTurnsTheShortWayWithTheTurnSetsGainAndLimit) {
    const double turnLimit = 120.0 * M_PI / 180.0;
    EXPECT_NEAR(helper.controlAngle(0.1, 0.0), 3.0 * 0.1, 1e-12);
    EXPECT_NEAR(helper.controlAngle(3.0, -3.0), 3.0 * (6.0 - 2.0 * M_PI), 1e-12);
    EXPECT_NEAR(helper.controlAngle(1.5, 0.0), turnLimit, 1e-12);
    EXPECT_NEAR(helper.controlAngle(-1.5, 0.0), -turnLimit, 1e-12);
}

} // namespace
} // namespace behavior
} // namespace decision_making
