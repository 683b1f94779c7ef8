#ifndef UTILS_NEURAL_NETWORK_TENSOR_H
#define UTILS_NEURAL_NETWORK_TENSOR_H

#include <cstdint>
#include <utility>
#include <vector>

namespace utils {
namespace neural_network {

/// Dimension sizes, outermost first.
using Shape = std::vector<std::int64_t>;

/// The number of values a tensor of the shape holds (1 for a scalar).
inline std::int64_t elementCount(const Shape& shape) {
    std::int64_t count = 1;
    for (const std::int64_t size : shape) {
        count *= size;
    }
    return count;
}

/// A float tensor: its values row-major.
struct Tensor {
    Tensor() = default;
    explicit Tensor(Shape shape) : shape(std::move(shape)), values(elementCount(this->shape), 0.0F) {}
    Tensor(Shape shape, std::vector<float> values) : shape(std::move(shape)), values(std::move(values)) {}

    Shape shape;
    std::vector<float> values;
};

} // namespace neural_network
} // namespace utils

#endif
