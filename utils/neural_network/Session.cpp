#include "utils/neural_network/Session.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace utils {
namespace neural_network {

namespace {

std::runtime_error nodeError(const std::string& node, const std::string& text) {
    return std::runtime_error("node \"" + node + "\": " + text);
}

BinaryKernel::Function binaryFunction(Operation operation) {
    switch (operation) {
    case Operation::SUB:
        return [](float a, float b) { return a - b; };
    case Operation::MUL:
        return [](float a, float b) { return a * b; };
    case Operation::REAL_DIV:
        return [](float a, float b) { return a / b; };
    case Operation::MAXIMUM:
        return [](float a, float b) { return std::max(a, b); };
    case Operation::MINIMUM:
        return [](float a, float b) { return std::min(a, b); };
    default:
        return [](float a, float b) { return a + b; };
    }
}

UnaryKernel::Function unaryFunction(Operation operation) {
    switch (operation) {
    case Operation::RELU:
        return [](float x) { return std::max(x, 0.0F); };
    case Operation::TANH:
        return [](float x) { return std::tanh(x); };
    default:
        return [](float x) { return 1.0F / (1.0F + std::exp(-x)); };
    }
}

/// Broadcasting as NumPy does it: sizes are matched from the last dimension
/// on, and a size of 1 (or a missing dimension) stretches to the other size.
struct Broadcast {
    Shape shape;
    std::vector<std::size_t> aIndex;
    std::vector<std::size_t> bIndex;
};

Broadcast broadcast(const Shape& a, const Shape& b) {
    const std::size_t rank = std::max(a.size(), b.size());
    Broadcast result;
    result.shape.assign(rank, 1);
    // Per output dimension, how far each operand's index moves (0 where it stretches).
    std::vector<std::size_t> aStep(rank, 0);
    std::vector<std::size_t> bStep(rank, 0);
    std::size_t aStride = 1;
    std::size_t bStride = 1;
    for (std::size_t fromEnd = 1; fromEnd <= rank; ++fromEnd) {
        const std::size_t d = rank - fromEnd;
        const std::int64_t aSize = fromEnd <= a.size() ? a[a.size() - fromEnd] : 1;
        const std::int64_t bSize = fromEnd <= b.size() ? b[b.size() - fromEnd] : 1;
        if (aSize != bSize && aSize != 1 && bSize != 1) {
            throw std::runtime_error("shapes " + toString(a) + " and " + toString(b) + " do not broadcast");
        }
        result.shape[d] = aSize == 1 ? bSize : aSize;
        aStep[d] = aSize == 1 ? 0 : aStride;
        bStep[d] = bSize == 1 ? 0 : bStride;
        aStride *= static_cast<std::size_t>(aSize);
        bStride *= static_cast<std::size_t>(bSize);
    }
    const auto count = static_cast<std::size_t>(checkedElementCount(result.shape));
    result.aIndex.resize(count);
    result.bIndex.resize(count);
    std::vector<std::int64_t> counter(rank, 0);
    std::size_t aAt = 0;
    std::size_t bAt = 0;
    for (std::size_t i = 0; i < count; ++i) {
        result.aIndex[i] = aAt;
        result.bIndex[i] = bAt;
        for (std::size_t d = rank; d-- > 0;) {
            aAt += aStep[d];
            bAt += bStep[d];
            if (++counter[d] < result.shape[d]) {
                break;
            }
            aAt -= aStep[d] * static_cast<std::size_t>(result.shape[d]);
            bAt -= bStep[d] * static_cast<std::size_t>(result.shape[d]);
            counter[d] = 0;
        }
    }
    return result;
}

/// Reshape's new shape; one size may be -1, standing for what the others leave.
Shape reshaped(const Shape& from, const std::vector<std::int64_t>& to) {
    Shape shape(to.begin(), to.end());
    const auto open = std::find(shape.begin(), shape.end(), -1);
    Shape known = shape;
    if (open != shape.end()) {
        known.erase(known.begin() + (open - shape.begin()));
    }
    const std::int64_t knownCount = checkedElementCount(known);
    const std::int64_t count = elementCount(from);
    if (open != shape.end() && knownCount > 0 && count % knownCount == 0) {
        *open = count / knownCount;
    }
    if (std::find(shape.begin(), shape.end(), -1) != shape.end() || elementCount(shape) != count) {
        throw std::runtime_error("cannot reshape " + toString(from) + " into " + toString(Shape(to.begin(), to.end())));
    }
    return shape;
}

Shape squeezed(const Shape& from, const std::vector<std::int64_t>& dimensions) {
    const auto rank = static_cast<std::int64_t>(from.size());
    std::vector<bool> drop(from.size(), false);
    for (std::size_t d = 0; d < from.size(); ++d) {
        drop[d] = dimensions.empty() && from[d] == 1;
    }
    for (const std::int64_t dimension : dimensions) {
        const std::int64_t axis = dimension < 0 ? dimension + rank : dimension;
        if (axis < 0 || axis >= rank || from[static_cast<std::size_t>(axis)] != 1) {
            throw std::runtime_error("cannot squeeze dimension " + std::to_string(dimension) + " of " + toString(from));
        }
        drop[static_cast<std::size_t>(axis)] = true;
    }
    Shape shape;
    for (std::size_t d = 0; d < from.size(); ++d) {
        if (!drop[d]) {
            shape.push_back(from[d]);
        }
    }
    return shape;
}

/// The output node and what it depends on, not looking behind the fed input node.
std::vector<bool> neededNodes(const std::vector<Node>& nodes, std::size_t input, std::size_t output) {
    std::vector<bool> needed(nodes.size(), false);
    needed[output] = true;
    std::vector<std::size_t> open{output};
    while (!open.empty()) {
        const std::size_t node = open.back();
        open.pop_back();
        if (node == input) {
            continue;
        }
        for (const auto* inputs : {&nodes[node].inputs, &nodes[node].controlInputs}) {
            for (const std::size_t dependency : *inputs) {
                if (!needed[dependency]) {
                    needed[dependency] = true;
                    open.push_back(dependency);
                }
            }
        }
    }
    return needed;
}

void checkDeclaredShape(const Node& fed, const Shape& inputShape) {
    if (fed.operation != Operation::PLACEHOLDER || !fed.hasDeclaredShape) {
        return;
    }
    bool fits = fed.declaredShape.size() == inputShape.size();
    for (std::size_t d = 0; fits && d < inputShape.size(); ++d) {
        fits = fed.declaredShape[d] < 0 || fed.declaredShape[d] == inputShape[d];
    }
    if (!fits) {
        throw nodeError(fed.name, "declared shape " + toString(fed.declaredShape) + " does not take an input of " +
                                      toString(inputShape));
    }
}

} // namespace

Session::Session(const proto::GraphDef& definition, const std::string& inputNode, const Shape& inputShape,
                 const std::string& outputNode)
    : graph(definition) {
    const std::vector<Node>& nodes = graph.getNodes();
    const std::size_t input = graph.find(inputNode);
    const std::size_t outputPosition = graph.find(outputNode);
    checkDeclaredShape(nodes[input], inputShape);
    inputCount = static_cast<std::size_t>(checkedElementCount(inputShape));
    inputData = newBuffer(inputShape);

    std::vector<Value> values(nodes.size());
    values[input] = {inputShape, inputData};
    const std::vector<bool> needed = neededNodes(nodes, input, outputPosition);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (needed[i] && i != input) {
            try {
                values[i] = planNode(nodes[i], values);
            } catch (const std::runtime_error& error) {
                throw nodeError(nodes[i].name, error.what());
            }
        }
    }
    if (nodes[outputPosition].isIntegerConstant) {
        throw nodeError(nodes[outputPosition].name, "is an integer, not a float");
    }
    output = Tensor(values[outputPosition].shape);
    outputData = values[outputPosition].data;
}

const Tensor& Session::run(const Tensor& input) {
    if (input.values.size() != inputCount) {
        throw std::invalid_argument("the input holds " + std::to_string(input.values.size()) + " values, not " +
                                    std::to_string(inputCount));
    }
    std::copy(input.values.begin(), input.values.end(), inputData);
    for (const auto& kernel : kernels) {
        kernel->compute();
    }
    std::copy_n(outputData, output.values.size(), output.values.begin());
    return output;
}

Session::Value Session::planNode(const Node& node, const std::vector<Value>& values) {
    const auto input = [&](std::size_t k) -> const Value& { return values[node.inputs[k]]; };
    switch (node.operation) {
    case Operation::PLACEHOLDER:
        throw std::runtime_error("is a placeholder but not the fed input");
    case Operation::CONST:
        if (node.isIntegerConstant) {
            return {Shape{static_cast<std::int64_t>(node.integers.size())}, nullptr};
        }
        return {node.value.shape, node.value.values.data()};
    case Operation::IDENTITY:
        return input(0);
    case Operation::RESHAPE:
        return {reshaped(input(0).shape, graph.getNodes()[node.inputs[1]].integers), input(0).data};
    case Operation::SQUEEZE:
        return {squeezed(input(0).shape, node.squeezeDimensions), input(0).data};
    case Operation::MAT_MUL:
        return planMatMul(node, input(0), input(1));
    case Operation::BIAS_ADD: {
        const Shape& shape = input(0).shape;
        const std::size_t axis = node.channelsFirst ? 1 : shape.size() - 1;
        if (shape.size() < 2 || input(1).shape.size() != 1 || input(1).shape[0] != shape[axis]) {
            throw std::runtime_error("cannot add a bias of " + toString(input(1).shape) + " to " + toString(shape));
        }
        // The bias stretched along every dimension but its own.
        Shape biasShape(shape.size() - axis, 1);
        biasShape[0] = shape[axis];
        return planBinary(binaryFunction(Operation::ADD), input(0), biasShape, input(1).data);
    }
    case Operation::RELU:
    case Operation::TANH:
    case Operation::SIGMOID: {
        float* out = newBuffer(input(0).shape);
        kernels.push_back(std::make_unique<UnaryKernel>(unaryFunction(node.operation), input(0).data, out,
                                                        static_cast<std::size_t>(elementCount(input(0).shape))));
        return {input(0).shape, out};
    }
    default:
        return planBinary(binaryFunction(node.operation), input(0), input(1).shape, input(1).data);
    }
}

Session::Value Session::planMatMul(const Node& node, const Value& a, const Value& b) {
    if (a.shape.size() != 2 || b.shape.size() != 2) {
        throw std::runtime_error("cannot multiply " + toString(a.shape) + " by " + toString(b.shape));
    }
    const auto aRows = static_cast<std::size_t>(a.shape[0]);
    const auto aColumns = static_cast<std::size_t>(a.shape[1]);
    const auto bRows = static_cast<std::size_t>(b.shape[0]);
    const auto bColumns = static_cast<std::size_t>(b.shape[1]);
    const std::size_t rows = node.transposeA ? aColumns : aRows;
    const std::size_t inner = node.transposeA ? aRows : aColumns;
    const std::size_t columns = node.transposeB ? bRows : bColumns;
    if ((node.transposeB ? bColumns : bRows) != inner) {
        throw std::runtime_error("cannot multiply " + toString(a.shape) + " by " + toString(b.shape) +
                                 (node.transposeA || node.transposeB ? " with the transposes asked for" : ""));
    }
    const Shape shape{static_cast<std::int64_t>(rows), static_cast<std::int64_t>(columns)};
    float* out = newBuffer(shape);
    const MatMulKernel::Operand aOperand{a.data, node.transposeA ? 1 : aColumns, node.transposeA ? aColumns : 1};
    const MatMulKernel::Operand bOperand{b.data, node.transposeB ? 1 : bColumns, node.transposeB ? bColumns : 1};
    kernels.push_back(std::make_unique<MatMulKernel>(aOperand, bOperand, out, rows, inner, columns));
    return {shape, out};
}

Session::Value Session::planBinary(BinaryKernel::Function function, const Value& a, const Shape& bShape,
                                   const float* bData) {
    Broadcast plan = broadcast(a.shape, bShape);
    float* out = newBuffer(plan.shape);
    kernels.push_back(
        std::make_unique<BinaryKernel>(function, a.data, std::move(plan.aIndex), bData, std::move(plan.bIndex), out));
    return {plan.shape, out};
}

float* Session::newBuffer(const Shape& shape) {
    buffers.emplace_back(static_cast<std::size_t>(checkedElementCount(shape)), 0.0F);
    return buffers.back().data();
}

} // namespace neural_network
} // namespace utils
