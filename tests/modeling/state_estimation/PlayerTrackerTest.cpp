#include "modeling/state_estimation/PlayerTracker.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/Sightings.h"

#include <gtest/gtest.h>

namespace modeling {
namespace state_estimation_player {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using testing::playerAt;

const Pose2D STANDING_STILL;
constexpr double TORSO_HEIGHT = 0.35;

TEST(PlayerTrackerTest, StepForwardMovesTheEstimateBack) {
    PlayerTracker tracker;
    const perception::VisiblePlayer seen = playerAt({1.0, 0.0, TORSO_HEIGHT});
    tracker.update(STANDING_STILL, &seen);

    tracker.update(Pose2D(0.0, 0.1, 0.0));

    EXPECT_NEAR(tracker.getPosition().translation.x, 0.9, 1e-3);
    EXPECT_NEAR(tracker.getPosition().translation.y, 0.0, 1e-3);
}

TEST(PlayerTrackerTest, FollowsAWalkingPlayerUnderCameraNoiseWhileTheRobotWalks) {
    MathUtils::generator.seed(5489u);
    testing::NoisyCamera camera;
    PlayerTracker tracker;
    const Pose2D odometry(-0.002, 0.008, 0.001);
    const Pose2D turn(odometry.rotation, 0.0, 0.0);
    Vector3<double> player(2.0, 2.0, TORSO_HEIGHT);
    Vector3<double> velocity(0.5, -0.3, 0.0);

    for (int cycle = 0; cycle < 300; ++cycle) {
        player = testing::afterRobotMoved(player + velocity * 0.02, odometry);
        velocity = testing::afterRobotMoved(velocity, turn);
        const perception::VisiblePlayer seen = playerAt(camera.see(player));
        tracker.update(odometry, &seen);
    }

    EXPECT_NEAR(tracker.getPosition().translation.x, player.x, 0.15);
    EXPECT_NEAR(tracker.getPosition().translation.y, player.y, 0.15);
    EXPECT_NEAR(tracker.getVelocity().translation.x, velocity.x, 0.2);
    EXPECT_NEAR(tracker.getVelocity().translation.y, velocity.y, 0.2);
}

} // namespace
} // namespace state_estimation_player
} // namespace modeling
