#include "modeling/state_estimation/PlanarObjectTracker.h"

#include <cmath>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using marlowinds_lib::signal_processing::LinearDiscreteStochasticModel;

namespace {

LinearDiscreteStochasticModel constantVelocityModel(double processNoiseGain, double measurementVariance) {
    constexpr double dt = PlanarObjectTracker::CYCLE_DURATION;
    constexpr int n = PlanarObjectTracker::STATE_SIZE;
    constexpr int m = PlanarObjectTracker::INPUT_SIZE;
    constexpr int p = PlanarObjectTracker::MEASUREMENT_SIZE;
    Eigen::MatrixXd A = Eigen::MatrixXd::Identity(n, n);
    A(0, 2) = dt;
    A(1, 3) = dt;

    Eigen::MatrixXd B = Eigen::MatrixXd::Zero(n, m);
    B(0, 0) = dt * dt / 2.0;
    B(1, 1) = dt * dt / 2.0;
    B(2, 0) = dt;
    B(3, 1) = dt;

    const Eigen::MatrixXd Q = processNoiseGain * (B * B.transpose());

    Eigen::MatrixXd C = Eigen::MatrixXd::Zero(p, n);
    C(0, 0) = 1.0;
    C(1, 1) = 1.0;

    const Eigen::MatrixXd W = measurementVariance * Eigen::MatrixXd::Identity(p, p);
    return LinearDiscreteStochasticModel(A, B, Q, C, W);
}

} // namespace

PlanarObjectTracker::PlanarObjectTracker(double processNoiseGain, double measurementVariance,
                                         int maxFramesWithoutObservation)
    : model(constantVelocityModel(processNoiseGain, measurementVariance)),
      initialState(Eigen::VectorXd::Zero(STATE_SIZE)),
      initialCovariance(INITIAL_VARIANCE * Eigen::MatrixXd::Identity(STATE_SIZE, STATE_SIZE)),
      filter(model, initialState, initialCovariance), maxFramesWithoutObservation(maxFramesWithoutObservation),
      noInput(Eigen::VectorXd::Zero(INPUT_SIZE)), measurement(Eigen::VectorXd::Zero(MEASUREMENT_SIZE)),
      frameRotation(Eigen::MatrixXd::Zero(STATE_SIZE, STATE_SIZE)), frameOffset(Eigen::VectorXd::Zero(STATE_SIZE)) {}

void PlanarObjectTracker::updateUnseen(const Pose2D& odometry) {
    if (framesWithoutObservation >= maxFramesWithoutObservation) {
        declareLost();
        return;
    }
    if (lost) {
        return;
    }
    ++framesWithoutObservation;
    changeFrame(odometry);
    filter.prediction(noInput);
}

void PlanarObjectTracker::updateSeen(const Pose2D& odometry, const Vector3<double>& seen) {
    if (!isObservable(seen)) {
        updateUnseen(odometry);
        return;
    }
    framesWithoutObservation = 0;
    setMeasurement(seen);
    if (lost) {
        filter.resetFromObservation(measurement);
        lost = false;
    }
    changeFrame(odometry);
    filter.prediction(noInput);
    filter.filtering(measurement);
}

void PlanarObjectTracker::declareLost() {
    resetEstimate();
    lost = true;
}

void PlanarObjectTracker::resetEstimate() { filter.resetFromState(initialState, initialCovariance); }

bool PlanarObjectTracker::isObservable(const Vector3<double>& seen) {
    return std::isfinite(seen.x) && std::isfinite(seen.y);
}

Pose2D PlanarObjectTracker::getPosition() const {
    const Eigen::VectorXd& state = filter.getStateEstimative();
    return Pose2D(0.0, state(0), state(1));
}

Pose2D PlanarObjectTracker::getVelocity() const {
    const Eigen::VectorXd& state = filter.getStateEstimative();
    return Pose2D(0.0, state(2), state(3));
}

void PlanarObjectTracker::changeFrame(const Pose2D& odometry) {
    const double c = std::cos(odometry.rotation);
    const double s = std::sin(odometry.rotation);
    // The same turn for the position block and the velocity block.
    for (int block = 0; block < STATE_SIZE; block += 2) {
        frameRotation(block, block) = c;
        frameRotation(block, block + 1) = s;
        frameRotation(block + 1, block) = -s;
        frameRotation(block + 1, block + 1) = c;
    }
    frameOffset(0) = -odometry.translation.x;
    frameOffset(1) = -odometry.translation.y;
    filter.referentialChange(frameRotation, frameOffset);
}

void PlanarObjectTracker::setMeasurement(const Vector3<double>& seen) {
    measurement(0) = seen.x;
    measurement(1) = seen.y;
}

} // namespace state_estimation
} // namespace modeling
