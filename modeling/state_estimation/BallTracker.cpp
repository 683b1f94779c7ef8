#include "modeling/state_estimation/BallTracker.h"

#include <cmath>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::math::Pose2D;

BallTracker::BallTracker() : tracker(PROCESS_NOISE_GAIN, MEASUREMENT_VARIANCE, MAX_FRAMES_WITHOUT_BALL) {}

void BallTracker::update(const Pose2D& odometry) {
    if (isEscaping()) {
        tracker.declareLost();
        return;
    }
    tracker.updateUnseen(odometry);
}

void BallTracker::update(const Pose2D& odometry, const perception::VisibleBall* ball) {
    if (ball == nullptr || !PlanarObjectTracker::isObservable(ball->getPosition())) {
        update(odometry);
        return;
    }
    tracker.updateSeen(odometry, ball->getPosition());
}

bool BallTracker::isEscaping() const {
    if (tracker.getFramesWithoutObservation() <= FRAMES_BEFORE_SPEED_RULE) {
        return false;
    }
    const Pose2D velocity = tracker.getVelocity();
    // Sideways in either direction: the rule must not depend on the side of the robot.
    return velocity.translation.x > MAX_UNSEEN_SPEED || std::abs(velocity.translation.y) > MAX_UNSEEN_SPEED;
}

} // namespace state_estimation
} // namespace modeling
