#ifndef MARLOWINDS_LIB_SIGNAL_PROCESSING_KALMANFILTER_H
#define MARLOWINDS_LIB_SIGNAL_PROCESSING_KALMANFILTER_H

#include <Eigen/Dense>

namespace marlowinds_lib {
namespace signal_processing {

/// State estimate, covariance and the resets shared by the Kalman filters.
/// Prediction and correction are left to the concrete filter.
class KalmanFilter {
public:
    static constexpr double RESET_VARIANCE = 1e5;

    KalmanFilter() = default;
    KalmanFilter(const Eigen::VectorXd& x0, const Eigen::MatrixXd& P0) : x(x0), P(P0) {}
    virtual ~KalmanFilter() = default;

    /// x <- 0 and P <- 1e5 I, both keeping their sizes.
    void reset();
    /// reset(), then one correction with z.
    void resetFromObservation(const Eigen::VectorXd& z);
    void resetFromState(const Eigen::VectorXd& x0, const Eigen::MatrixXd& P0);

    const Eigen::VectorXd& getStateEstimative() const { return x; }
    const Eigen::MatrixXd& getCovarianceMatrix() const { return P; }
    void setCovarianceMatrix(const Eigen::MatrixXd& P0) { P = P0; }
    /// Gain and innovation covariance of the last correction.
    const Eigen::MatrixXd& getGain() const { return K; }
    const Eigen::MatrixXd& getInnovationCovariance() const { return S; }

    void predictionAndFiltering(const Eigen::VectorXd& u, const Eigen::VectorXd& z);

    /// Moves the estimate into another frame: x <- M x + t, P <- M P M^T.
    /// Throws std::invalid_argument on mismatched sizes; non-finite M or t leave
    /// the estimate unchanged (with a diagnostic line) rather than poison it.
    virtual void referentialChange(const Eigen::MatrixXd& M, const Eigen::VectorXd& t);
    virtual void prediction(const Eigen::VectorXd& /*u*/) {}
    virtual void filtering(const Eigen::VectorXd& /*z*/) {}

protected:
    Eigen::VectorXd x;
    Eigen::MatrixXd P;
    Eigen::MatrixXd K;
    Eigen::MatrixXd S;

    // Scratch space, so that a running filter does not allocate.
    Eigen::VectorXd stateWork;
    Eigen::MatrixXd covarianceWork;
};

} // namespace signal_processing
} // namespace marlowinds_lib

#endif
