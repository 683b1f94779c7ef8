#ifndef TOOLS_GRAPH_GENERATOR_GRAPHBUILDER_H
#define TOOLS_GRAPH_GENERATOR_GRAPHBUILDER_H

#include "utils/neural_network/FrozenGraph.pb.h"
#include "utils/neural_network/Tensor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tools {
namespace graph_generator {

/// Writes the nodes of a frozen graph one by one. Every value is a float but
/// the integer constants that serve as new shapes.
class GraphBuilder {
public:
    using NodeDef = utils::neural_network::proto::NodeDef;
    using Shape = utils::neural_network::Shape;

    /// A float input; -1 leaves a size open.
    NodeDef& placeholder(const std::string& name, const Shape& shape);
    /// A float constant: values that are all the same are written as one
    /// repeated value filling the shape, others as packed tensor contents.
    NodeDef& constant(const std::string& name, const Shape& shape, const std::vector<float>& values);
    /// A one-dimensional int32 constant, the new shape of a Reshape.
    NodeDef& shapeConstant(const std::string& name, const std::vector<std::int32_t>& sizes);
    /// A float operation ("MatMul", "Tanh", ...) on inputs given as "node",
    /// "node:0" or "^node"; further attributes are set on the node returned.
    NodeDef& operation(const std::string& op, const std::string& name, const std::vector<std::string>& inputs);

    const utils::neural_network::proto::GraphDef& getGraph() const { return graph; }

private:
    NodeDef& addNode(const std::string& op, const std::string& name);

    utils::neural_network::proto::GraphDef graph;
};

} // namespace graph_generator
} // namespace tools

#endif
