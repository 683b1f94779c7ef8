#ifndef UTILS_NEURAL_NETWORK_SESSION_H
#define UTILS_NEURAL_NETWORK_SESSION_H

#include "utils/neural_network/FrozenGraph.pb.h"
#include "utils/neural_network/Graph.h"
#include "utils/neural_network/Kernels.h"
#include "utils/neural_network/Tensor.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace utils {
namespace neural_network {

/// A frozen graph ready to evaluate one output node from one fed input node.
/// Everything that can go wrong is found when it is built: the evaluation is
/// planned then, from the output node back to the input node, with a buffer
/// for every value, so that a run allocates nothing and cannot fail.
class Session {
public:
    /// Nodes are given as "name" or "name:0". Throws std::runtime_error naming
    /// the node at fault: the graph's own faults (see Graph), a missing input or
    /// output node, a placeholder left unfed, shapes that do not fit together.
    Session(const proto::GraphDef& definition, const std::string& inputNode, const Shape& inputShape,
            const std::string& outputNode);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const Shape& getOutputShape() const { return output.shape; }

    /// The output for an input of the planned shape (std::invalid_argument for
    /// another number of values).
    const Tensor& run(const Tensor& input);

private:
    /// A planned node's output: its shape and where its values stand.
    struct Value {
        Shape shape;
        const float* data = nullptr;
    };

    Value planNode(const Node& node, const std::vector<Value>& values);
    Value planMatMul(const Node& node, const Value& a, const Value& b);
    Value planBinary(BinaryKernel::Function function, const Value& a, const Shape& bShape, const float* bData);
    float* newBuffer(const Shape& shape);

    Graph graph;
    /// A deque keeps every buffer in place while more are added, so the kernels can point into them.
    std::deque<std::vector<float>> buffers;
    std::vector<std::unique_ptr<Kernel>> kernels;
    float* inputData = nullptr;
    std::size_t inputCount = 0;
    const float* outputData = nullptr;
    Tensor output;
};

} // namespace neural_network
} // namespace utils

#endif
