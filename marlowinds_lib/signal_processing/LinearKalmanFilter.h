#ifndef MARLOWINDS_LIB_SIGNAL_PROCESSING_LINEARKALMANFILTER_H
#define MARLOWINDS_LIB_SIGNAL_PROCESSING_LINEARKALMANFILTER_H

#include "marlowinds_lib/signal_processing/KalmanFilter.h"
#include "marlowinds_lib/signal_processing/LinearDiscreteStochasticModel.h"

#include <Eigen/Dense>

namespace marlowinds_lib {
namespace signal_processing {

/// The discrete Kalman filter of a linear model. Mismatched sizes throw
/// std::invalid_argument. A measurement that cannot be used (a non-finite z, or
/// a singular innovation covariance S) is not applied: the gain of that step is
/// zero, x and P stay as they were, a diagnostic line is printed and
/// lastCorrectionApplied() is false until the next correction.
class LinearKalmanFilter : public KalmanFilter {
public:
    /// S counts as singular when its smallest LU pivot falls below this
    /// fraction of its largest.
    static constexpr double SINGULARITY_RATIO = 1e-12;

    LinearKalmanFilter() = default;
    explicit LinearKalmanFilter(const LinearDiscreteStochasticModel& model) : model(model) {}
    LinearKalmanFilter(const LinearDiscreteStochasticModel& model, const Eigen::VectorXd& x0, const Eigen::MatrixXd& P0)
        : KalmanFilter(x0, P0), model(model) {}

    void setA(const Eigen::MatrixXd& A) { model.setA(A); }
    void setB(const Eigen::MatrixXd& B) { model.setB(B); }
    void setC(const Eigen::MatrixXd& C) { model.setC(C); }
    const LinearDiscreteStochasticModel& getModel() const { return model; }

    /// x <- A x + B u, P <- A P A^T + Q. An empty u means no input. A non-finite u
    /// is ignored (the step runs without input) with a diagnostic line.
    void prediction(const Eigen::VectorXd& u) override;
    /// S <- C P C^T + W, K <- P C^T S^-1, x <- x + K (z - C x), P <- P - K C P.
    void filtering(const Eigen::VectorXd& z) override;
    /// n prediction steps without input; nothing when n < 1.
    void compensateCameraDelay(int n);

    bool lastCorrectionApplied() const { return correctionApplied; }

private:
    void propagate(const Eigen::VectorXd* u);
    void rejectCorrection(const char* reason);

    LinearDiscreteStochasticModel model;
    bool correctionApplied = false;

    Eigen::MatrixXd covarianceTimesCT;
    Eigen::MatrixXd inverseS;
    Eigen::MatrixXd CTimesCovariance;
    Eigen::VectorXd innovation;
    Eigen::PartialPivLU<Eigen::MatrixXd> decomposition;
};

} // namespace signal_processing
} // namespace marlowinds_lib

#endif
