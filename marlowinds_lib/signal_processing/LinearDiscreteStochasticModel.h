#ifndef MARLOWINDS_LIB_SIGNAL_PROCESSING_LINEARDISCRETESTOCHASTICMODEL_H
#define MARLOWINDS_LIB_SIGNAL_PROCESSING_LINEARDISCRETESTOCHASTICMODEL_H

#include <Eigen/Dense>

namespace marlowinds_lib {
namespace signal_processing {

/// x(k+1) = A x(k) + B u(k) + w,  z(k) = C x(k) + v,  with cov(w) = Q and cov(v) = W.
/// For n states, m inputs and p measurements: A n x n, B n x m, Q n x n, C p x n, W p x p.
class LinearDiscreteStochasticModel {
public:
    LinearDiscreteStochasticModel() = default;
    /// Note the order: the process noise Q comes before the measurement matrix C.
    LinearDiscreteStochasticModel(const Eigen::MatrixXd& A, const Eigen::MatrixXd& B, const Eigen::MatrixXd& Q,
                                  const Eigen::MatrixXd& C, const Eigen::MatrixXd& W)
        : A(A), B(B), Q(Q), C(C), W(W) {}

    const Eigen::MatrixXd& getA() const { return A; }
    const Eigen::MatrixXd& getB() const { return B; }
    const Eigen::MatrixXd& getQ() const { return Q; }
    const Eigen::MatrixXd& getC() const { return C; }
    const Eigen::MatrixXd& getW() const { return W; }

    void setA(const Eigen::MatrixXd& matrix) { A = matrix; }
    void setB(const Eigen::MatrixXd& matrix) { B = matrix; }
    void setQ(const Eigen::MatrixXd& matrix) { Q = matrix; }
    void setC(const Eigen::MatrixXd& matrix) { C = matrix; }
    void setW(const Eigen::MatrixXd& matrix) { W = matrix; }

private:
    Eigen::MatrixXd A;
    Eigen::MatrixXd B;
    Eigen::MatrixXd Q;
    Eigen::MatrixXd C;
    Eigen::MatrixXd W;
};

} // namespace signal_processing
} // namespace marlowinds_lib

#endif
