#include "marlowinds_lib/signal_processing/KalmanFilter.h"

#include "marlowinds_lib/signal_processing/MatrixChecks.h"

#include <iostream>

namespace marlowinds_lib {
namespace signal_processing {

void KalmanFilter::reset() {
    x.setZero();
    P.setIdentity();
    P *= RESET_VARIANCE;
}

void KalmanFilter::resetFromObservation(const Eigen::VectorXd& z) {
    reset();
    filtering(z);
}

void KalmanFilter::resetFromState(const Eigen::VectorXd& x0, const Eigen::MatrixXd& P0) {
    x = x0;
    P = P0;
}

void KalmanFilter::predictionAndFiltering(const Eigen::VectorXd& u, const Eigen::VectorXd& z) {
    prediction(u);
    filtering(z);
}

void KalmanFilter::referentialChange(const Eigen::MatrixXd& M, const Eigen::VectorXd& t) {
    const Eigen::Index n = x.size();
    MatrixChecks::requireShape("KalmanFilter::referentialChange", "M", M, n, n);
    MatrixChecks::requireShape("KalmanFilter::referentialChange", "t", t, n, 1);
    MatrixChecks::requireShape("KalmanFilter::referentialChange", "P", P, n, n);
    if (!M.allFinite() || !t.allFinite()) {
        std::cout << "(KalmanFilter::referentialChange) non-finite frame change ignored" << std::endl;
        return;
    }
    stateWork.noalias() = M * x;
    x = stateWork + t;
    covarianceWork.noalias() = M * P;
    P.noalias() = covarianceWork * M.transpose();
}

} // namespace signal_processing
} // namespace marlowinds_lib
