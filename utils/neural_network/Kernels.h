#ifndef UTILS_NEURAL_NETWORK_KERNELS_H
#define UTILS_NEURAL_NETWORK_KERNELS_H

#include <cstddef>
#include <utility>
#include <vector>

namespace utils {
namespace neural_network {

/// One planned computation: reads buffers and writes its own, all fixed when
/// it is planned, so that computing allocates nothing.
class Kernel {
public:
    virtual ~Kernel() = default;
    virtual void compute() = 0;
};

/// out (rows × columns) = A (rows × inner) · B (inner × columns). Each operand
/// is read through strides, so a transposed operand costs nothing.
class MatMulKernel : public Kernel {
public:
    struct Operand {
        const float* data;
        std::size_t rowStride;
        std::size_t columnStride;
    };

    MatMulKernel(Operand a, Operand b, float* out, std::size_t rows, std::size_t inner, std::size_t columns)
        : a(a), b(b), out(out), rows(rows), inner(inner), columns(columns) {}

    void compute() override;

private:
    Operand a;
    Operand b;
    float* out;
    std::size_t rows;
    std::size_t inner;
    std::size_t columns;
};

/// out[i] = function(a[aIndex[i]], b[bIndex[i]]): element-wise with broadcasting.
class BinaryKernel : public Kernel {
public:
    using Function = float (*)(float, float);

    BinaryKernel(Function function, const float* a, std::vector<std::size_t> aIndex, const float* b,
                 std::vector<std::size_t> bIndex, float* out)
        : function(function), a(a), aIndex(std::move(aIndex)), b(b), bIndex(std::move(bIndex)), out(out) {}

    void compute() override;

private:
    Function function;
    const float* a;
    std::vector<std::size_t> aIndex;
    const float* b;
    std::vector<std::size_t> bIndex;
    float* out;
};

/// out[i] = function(in[i]).
class UnaryKernel : public Kernel {
public:
    using Function = float (*)(float);

    UnaryKernel(Function function, const float* in, float* out, std::size_t count)
        : function(function), in(in), out(out), count(count) {}

    void compute() override;

private:
    Function function;
    const float* in;
    float* out;
    std::size_t count;
};

} // namespace neural_network
} // namespace utils

#endif
