#ifndef MODELING_STATE_ESTIMATION_PLANAROBJECTTRACKER_H
#define MODELING_STATE_ESTIMATION_PLANAROBJECTTRACKER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "marlowinds_lib/signal_processing/LinearDiscreteStochasticModel.h"
#include "marlowinds_lib/signal_processing/LinearKalmanFilter.h"
#include "representations/MarlowindsConstants.h"

#include <Eigen/Dense>

namespace modeling {
namespace state_estimation {

/// Tracks one object on the ground in the robot frame (x forward, y left) with
/// a Kalman filter over (x, y, vx, vy) and a constant-velocity model over one
/// server cycle; only the position is observed. The ball and the player
/// trackers differ in their noise and in their own loss rules.
///
/// Lost (initially): the estimate is the zero state and unseen cycles change
/// nothing. Tracking (after any sighting): unseen cycles count and predict; the
/// unseen cycle that finds the count already at the limit resets the estimate
/// and declares the object lost.
///
/// Every vector and matrix a cycle needs is kept here at its final size, so a
/// running tracker does not allocate.
class PlanarObjectTracker {
public:
    static constexpr double CYCLE_DURATION = representations::MarlowindsConstants::SAMPLE_TIME;
    static constexpr double INITIAL_VARIANCE = 10.0;
    static constexpr int STATE_SIZE = 4;
    static constexpr int INPUT_SIZE = 2;
    static constexpr int MEASUREMENT_SIZE = 2;

    /// Process noise processNoiseGain * B B^T, with B the effect of an
    /// acceleration over one cycle; measurement noise measurementVariance * I.
    PlanarObjectTracker(double processNoiseGain, double measurementVariance, int maxFramesWithoutObservation);
    virtual ~PlanarObjectTracker() = default;

    /// A cycle in which the object is not seen.
    void updateUnseen(const marlowinds_lib::math::Pose2D& odometry);
    /// A cycle in which the object is seen at the given robot-frame position
    /// (its height is ignored). A position that is not finite counts as no
    /// sighting.
    void updateSeen(const marlowinds_lib::math::Pose2D& odometry, const marlowinds_lib::math::Vector3<double>& seen);
    /// Resets the estimate and declares the object lost; the count keeps its value.
    void declareLost();
    /// Zero state and the initial covariance; the count and the lost flag stay.
    void resetEstimate();

    static bool isObservable(const marlowinds_lib::math::Vector3<double>& seen);

    /// (0, x, y) and (0, vx, vy) of the estimate.
    marlowinds_lib::math::Pose2D getPosition() const;
    marlowinds_lib::math::Pose2D getVelocity() const;
    bool isLost() const { return lost; }
    int getFramesWithoutObservation() const { return framesWithoutObservation; }

private:
    /// Moves the estimate from the previous robot frame into the current one:
    /// it turns by -rotation of the odometry, then the odometry's translation
    /// (in the previous frame) is subtracted as it stands.
    void changeFrame(const marlowinds_lib::math::Pose2D& odometry);
    void setMeasurement(const marlowinds_lib::math::Vector3<double>& seen);

    marlowinds_lib::signal_processing::LinearDiscreteStochasticModel model;
    Eigen::VectorXd initialState;
    Eigen::MatrixXd initialCovariance;
    marlowinds_lib::signal_processing::LinearKalmanFilter filter;
    int maxFramesWithoutObservation;
    int framesWithoutObservation = 0;
    bool lost = true;

    Eigen::VectorXd noInput;
    Eigen::VectorXd measurement;
    Eigen::MatrixXd frameRotation;
    Eigen::VectorXd frameOffset;
};

} // namespace state_estimation
} // namespace modeling

#endif
