#ifndef UTILS_NEURAL_NETWORK_GRAPH_H
#define UTILS_NEURAL_NETWORK_GRAPH_H

#include "utils/neural_network/FrozenGraph.pb.h"
#include "utils/neural_network/Tensor.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace utils {
namespace neural_network {

/// The operations the runtime evaluates: those a multilayer perceptron uses.
enum class Operation {
    PLACEHOLDER,
    CONST,
    IDENTITY,
    RESHAPE,
    SQUEEZE,
    MAT_MUL,
    BIAS_ADD,
    ADD,
    SUB,
    MUL,
    REAL_DIV,
    MAXIMUM,
    MINIMUM,
    RELU,
    TANH,
    SIGMOID,
};

/// One node with what its evaluation needs of its attributes.
struct Node {
    std::string name;
    Operation operation = Operation::IDENTITY;
    /// Nodes whose output 0 this one reads, by position in Graph::getNodes().
    std::vector<std::size_t> inputs;
    /// Nodes to evaluate first although nothing of theirs is read.
    std::vector<std::size_t> controlInputs;

    bool transposeA = false;
    bool transposeB = false;
    /// BiasAdd: the bias runs along dimension 1 ("NCHW") instead of the last one.
    bool channelsFirst = false;
    /// Squeeze: the dimensions to drop; empty drops every dimension of size 1.
    std::vector<std::int64_t> squeezeDimensions;
    /// Placeholder: the declared shape, -1 where a size is open; empty when the rank is open.
    bool hasDeclaredShape = false;
    Shape declaredShape;
    /// Const of float type.
    Tensor value;
    /// Const of integer type: a new shape for Reshape, its only use.
    bool isIntegerConstant = false;
    std::vector<std::int64_t> integers;
};

/// The nodes of a frozen graph, checked as a whole: every operation is one
/// the runtime evaluates, every input names a node, no node depends on itself
/// and every value is a float (integer constants only as new shapes).
class Graph {
public:
    /// Throws std::runtime_error naming the node at fault.
    explicit Graph(const proto::GraphDef& definition);

    /// Every node after the nodes it depends on.
    const std::vector<Node>& getNodes() const { return nodes; }

    /// The node of a reference "name" or "name:0"; throws std::runtime_error
    /// when no node has the name or the reference asks for another output.
    std::size_t find(const std::string& reference) const;

    /// Values a tensor of the graph may hold at most, so that a broken file
    /// cannot ask for all memory.
    static constexpr std::int64_t MAXIMUM_ELEMENTS = std::int64_t{1} << 24;

private:
    std::vector<Node> nodes;
    std::map<std::string, std::size_t> positions;
};

/// elementCount, refusing an open size or more than Graph::MAXIMUM_ELEMENTS values.
std::int64_t checkedElementCount(const Shape& shape);

/// "[1,4]": shapes in messages.
std::string toString(const Shape& shape);

} // namespace neural_network
} // namespace utils

#endif
