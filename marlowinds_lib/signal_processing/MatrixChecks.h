#ifndef MARLOWINDS_LIB_SIGNAL_PROCESSING_MATRIXCHECKS_H
#define MARLOWINDS_LIB_SIGNAL_PROCESSING_MATRIXCHECKS_H

#include <Eigen/Dense>

namespace marlowinds_lib {
namespace signal_processing {

/// Size checks of the filters: a mismatch is a programming error that Eigen
/// would otherwise turn into out-of-bounds memory access in an optimised build.
class MatrixChecks {
public:
    virtual ~MatrixChecks() = default;

    /// Throws std::invalid_argument naming the operation and the matrix when
    /// matrix is not rows x cols.
    static void requireShape(const char* operation, const char* name, const Eigen::MatrixXd& matrix, Eigen::Index rows,
                             Eigen::Index cols);
    static void requireShape(const char* operation, const char* name, const Eigen::VectorXd& vector, Eigen::Index rows,
                             Eigen::Index cols);
};

} // namespace signal_processing
} // namespace marlowinds_lib

#endif
