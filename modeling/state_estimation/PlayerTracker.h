#ifndef MODELING_STATE_ESTIMATION_PLAYERTRACKER_H
#define MODELING_STATE_ESTIMATION_PLAYERTRACKER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/PlanarObjectTracker.h"
#include "perception/VisiblePlayer.h"

namespace modeling {
namespace state_estimation_player {

/// One other player's position and velocity in the robot frame. Each cycle the
/// estimate is carried into the robot's new frame with the walk odometry,
/// predicted one cycle ahead and, when the player is seen, corrected with the
/// sighting. The player is lost before its first sighting and again in the
/// 101st consecutive unseen cycle; players have no speed rule.
class PlayerTracker {
public:
    static constexpr int MAX_FRAMES_WITHOUT_PLAYER = 100;
    static constexpr double PROCESS_NOISE_GAIN = 1000.0;
    static constexpr double MEASUREMENT_VARIANCE = 0.4;

    PlayerTracker();
    virtual ~PlayerTracker() = default;

    /// A cycle without the player; odometry is the robot's displacement since
    /// the previous cycle.
    void update(const marlowinds_lib::math::Pose2D& odometry);
    /// A cycle with the player seen at its root-frame position. A null player
    /// or one whose position is not finite counts as unseen.
    void update(const marlowinds_lib::math::Pose2D& odometry, const perception::VisiblePlayer* player);

    marlowinds_lib::math::Pose2D getPosition() const { return tracker.getPosition(); }
    marlowinds_lib::math::Pose2D getVelocity() const { return tracker.getVelocity(); }
    bool hasLostPlayer() const { return tracker.isLost(); }
    /// Zero state and the initial covariance; the lost flag stays.
    void resetEstimate() { tracker.resetEstimate(); }

private:
    state_estimation::PlanarObjectTracker tracker;
};

} // namespace state_estimation_player
} // namespace modeling

#endif
