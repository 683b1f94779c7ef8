#include "marlowinds_lib/signal_processing/LinearKalmanFilter.h"

#include "marlowinds_lib/signal_processing/MatrixChecks.h"

#include <iostream>

namespace marlowinds_lib {
namespace signal_processing {

void LinearKalmanFilter::prediction(const Eigen::VectorXd& u) {
    if (u.size() > 0 && !u.allFinite()) {
        std::cout << "(LinearKalmanFilter::prediction) non-finite input ignored" << std::endl;
        propagate(nullptr);
        return;
    }
    propagate(u.size() > 0 ? &u : nullptr);
}

void LinearKalmanFilter::compensateCameraDelay(int n) {
    for (int i = 0; i < n; ++i) {
        propagate(nullptr);
    }
}

void LinearKalmanFilter::propagate(const Eigen::VectorXd* u) {
    const char* operation = "LinearKalmanFilter::prediction";
    const Eigen::Index n = x.size();
    const Eigen::MatrixXd& A = model.getA();
    MatrixChecks::requireShape(operation, "A", A, n, n);
    MatrixChecks::requireShape(operation, "P", P, n, n);
    MatrixChecks::requireShape(operation, "Q", model.getQ(), n, n);

    stateWork.noalias() = A * x;
    if (u != nullptr) {
        MatrixChecks::requireShape(operation, "B", model.getB(), n, u->size());
        stateWork.noalias() += model.getB() * *u;
    }
    x = stateWork;
    covarianceWork.noalias() = A * P;
    P.noalias() = covarianceWork * A.transpose();
    P += model.getQ();
}

void LinearKalmanFilter::filtering(const Eigen::VectorXd& z) {
    const char* operation = "LinearKalmanFilter::filtering";
    const Eigen::Index n = x.size();
    const Eigen::Index p = z.size();
    const Eigen::MatrixXd& C = model.getC();
    MatrixChecks::requireShape(operation, "C", C, p, n);
    MatrixChecks::requireShape(operation, "W", model.getW(), p, p);
    MatrixChecks::requireShape(operation, "P", P, n, n);

    if (!z.allFinite()) {
        rejectCorrection("non-finite measurement");
        return;
    }
    covarianceTimesCT.noalias() = P * C.transpose();
    S.noalias() = C * covarianceTimesCT;
    S += model.getW();
    if (!S.allFinite()) {
        rejectCorrection("non-finite innovation covariance");
        return;
    }
    decomposition.compute(S);
    const auto pivots = decomposition.matrixLU().diagonal().cwiseAbs();
    if (p > 0 && !(pivots.minCoeff() > SINGULARITY_RATIO * pivots.maxCoeff())) {
        rejectCorrection("singular innovation covariance");
        return;
    }
    // solve() rather than inverse(): inverse() copies the decomposition, allocating each correction.
    inverseS = decomposition.solve(Eigen::MatrixXd::Identity(p, p));
    K.noalias() = covarianceTimesCT * inverseS;
    if (!K.allFinite()) {
        rejectCorrection("non-finite gain");
        return;
    }
    innovation = z;
    innovation.noalias() -= C * x;
    x.noalias() += K * innovation;
    CTimesCovariance.noalias() = C * P;
    P.noalias() -= K * CTimesCovariance;
    correctionApplied = true;
}

void LinearKalmanFilter::rejectCorrection(const char* reason) {
    K.setZero(x.size(), model.getC().rows());
    correctionApplied = false;
    std::cout << "(LinearKalmanFilter::filtering) " << reason << ": correction skipped" << std::endl;
}

} // namespace signal_processing
} // namespace marlowinds_lib
