#include "modeling/state_estimation/PlayerTracker.h"

namespace modeling {
namespace state_estimation_player {

using marlowinds_lib::math::Pose2D;

PlayerTracker::PlayerTracker() : tracker(PROCESS_NOISE_GAIN, MEASUREMENT_VARIANCE, MAX_FRAMES_WITHOUT_PLAYER) {}

void PlayerTracker::update(const Pose2D& odometry) { tracker.updateUnseen(odometry); }

void PlayerTracker::update(const Pose2D& odometry, const perception::VisiblePlayer* player) {
    if (player == nullptr) {
        tracker.updateUnseen(odometry);
        return;
    }
    tracker.updateSeen(odometry, player->getPosition());
}

} // namespace state_estimation_player
} // namespace modeling
