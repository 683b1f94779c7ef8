#include "utils/neural_network/Kernels.h"

namespace utils {
namespace neural_network {

void MatMulKernel::compute() {
    // Row by row, so that the innermost loop runs along B's and out's rows.
    for (std::size_t row = 0; row < rows; ++row) {
        float* outRow = out + row * columns;
        for (std::size_t column = 0; column < columns; ++column) {
            outRow[column] = 0.0F;
        }
        for (std::size_t k = 0; k < inner; ++k) {
            const float factor = a.data[row * a.rowStride + k * a.columnStride];
            const float* bRow = b.data + k * b.rowStride;
            if (b.columnStride == 1) { // the usual layout, which the compiler vectorises
                for (std::size_t column = 0; column < columns; ++column) {
                    outRow[column] += factor * bRow[column];
                }
            } else {
                for (std::size_t column = 0; column < columns; ++column) {
                    outRow[column] += factor * bRow[column * b.columnStride];
                }
            }
        }
    }
}

void BinaryKernel::compute() {
    for (std::size_t i = 0; i < aIndex.size(); ++i) {
        out[i] = function(a[aIndex[i]], b[bIndex[i]]);
    }
}

void UnaryKernel::compute() {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = function(in[i]);
    }
}

} // namespace neural_network
} // namespace utils
