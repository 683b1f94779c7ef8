#ifndef MODELING_STATE_ESTIMATION_BALLTRACKER_H
#define MODELING_STATE_ESTIMATION_BALLTRACKER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/PlanarObjectTracker.h"
#include "perception/VisibleBall.h"

namespace modeling {
namespace state_estimation {

/// The ball's position and velocity in the robot frame (x forward, y left;
/// metres and metres per second). Each cycle the estimate is carried into the
/// robot's new frame with the walk odometry, predicted one cycle ahead and,
/// when the ball is seen, corrected with the sighting.
///
/// The ball is lost before its first sighting and again in the 101st
/// consecutive unseen cycle, or earlier, from the 11th unseen cycle on, when
/// the unseen ball is estimated to move away from the robot (vx) or sideways
/// (vy) faster than MAX_UNSEEN_SPEED: such a ball has rolled out of what the
/// prediction can follow. A ball coming towards the robot is kept.
class BallTracker {
public:
    static constexpr int MAX_FRAMES_WITHOUT_BALL = 100;
    /// The speed rule applies once more than this many cycles passed unseen.
    static constexpr int FRAMES_BEFORE_SPEED_RULE = 9;
    static constexpr double MAX_UNSEEN_SPEED = 1.5;
    static constexpr double PROCESS_NOISE_GAIN = 1e7;
    static constexpr double MEASUREMENT_VARIANCE = 0.8;

    BallTracker();
    virtual ~BallTracker() = default;

    /// A cycle without the ball. odometry is the robot's displacement since the
    /// previous cycle (heading change, then forward and leftward distance in the
    /// previous frame).
    void update(const marlowinds_lib::math::Pose2D& odometry);
    /// A cycle with the ball seen at its root-frame position. A null ball or one
    /// whose position is not finite counts as unseen.
    void update(const marlowinds_lib::math::Pose2D& odometry, const perception::VisibleBall* ball);

    marlowinds_lib::math::Pose2D getPosition() const { return tracker.getPosition(); }
    marlowinds_lib::math::Pose2D getVelocity() const { return tracker.getVelocity(); }
    bool hasLostBall() const { return tracker.isLost(); }
    /// Zero state and the initial covariance; the lost flag stays.
    void resetEstimate() { tracker.resetEstimate(); }

private:
    bool isEscaping() const;

    PlanarObjectTracker tracker;
};

} // namespace state_estimation
} // namespace modeling

#endif
