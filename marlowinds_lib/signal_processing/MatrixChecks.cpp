#include "marlowinds_lib/signal_processing/MatrixChecks.h"

#include <stdexcept>
#include <string>

namespace marlowinds_lib {
namespace signal_processing {

namespace {
void check(const char* operation, const char* name, Eigen::Index actualRows, Eigen::Index actualCols, Eigen::Index rows,
           Eigen::Index cols) {
    if (actualRows == rows && actualCols == cols) {
        return;
    }
    throw std::invalid_argument(std::string(operation) + ": " + name + " is " + std::to_string(actualRows) + "x" +
                                std::to_string(actualCols) + " but must be " + std::to_string(rows) + "x" +
                                std::to_string(cols));
}
} // namespace

void MatrixChecks::requireShape(const char* operation, const char* name, const Eigen::MatrixXd& matrix,
                                Eigen::Index rows, Eigen::Index cols) {
    check(operation, name, matrix.rows(), matrix.cols(), rows, cols);
}

void MatrixChecks::requireShape(const char* operation, const char* name, const Eigen::VectorXd& vector,
                                Eigen::Index rows, Eigen::Index cols) {
    check(operation, name, vector.rows(), vector.cols(), rows, cols);
}

} // namespace signal_processing
} // namespace marlowinds_lib
