#include "tools/graph_generator/GraphBuilder.h"

#include <algorithm>

namespace tools {
namespace graph_generator {

namespace proto = utils::neural_network::proto;

namespace {

void setShape(proto::TensorShapeProto& target, const GraphBuilder::Shape& shape) {
    for (const std::int64_t size : shape) {
        target.add_dim()->set_size(size);
    }
}

} // namespace

GraphBuilder::NodeDef& GraphBuilder::placeholder(const std::string& name, const Shape& shape) {
    NodeDef& node = addNode("Placeholder", name);
    (*node.mutable_attr())["dtype"].set_type(proto::DT_FLOAT);
    setShape(*(*node.mutable_attr())["shape"].mutable_shape(), shape);
    return node;
}

GraphBuilder::NodeDef& GraphBuilder::constant(const std::string& name, const Shape& shape,
                                              const std::vector<float>& values) {
    NodeDef& node = addNode("Const", name);
    (*node.mutable_attr())["dtype"].set_type(proto::DT_FLOAT);
    proto::TensorProto& tensor = *(*node.mutable_attr())["value"].mutable_tensor();
    tensor.set_dtype(proto::DT_FLOAT);
    setShape(*tensor.mutable_tensor_shape(), shape);
    const bool uniform = !values.empty() && std::all_of(values.begin(), values.end(),
                                                        [&values](float value) { return value == values[0]; });
    if (uniform) {
        tensor.add_float_val(values[0]);
    } else {
        tensor.set_tensor_content(
            std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(float)));
    }
    return node;
}

GraphBuilder::NodeDef& GraphBuilder::shapeConstant(const std::string& name, const std::vector<std::int32_t>& sizes) {
    NodeDef& node = addNode("Const", name);
    (*node.mutable_attr())["dtype"].set_type(proto::DT_INT32);
    proto::TensorProto& tensor = *(*node.mutable_attr())["value"].mutable_tensor();
    tensor.set_dtype(proto::DT_INT32);
    setShape(*tensor.mutable_tensor_shape(), {static_cast<std::int64_t>(sizes.size())});
    for (const std::int32_t size : sizes) {
        tensor.add_int_val(size);
    }
    return node;
}

GraphBuilder::NodeDef& GraphBuilder::operation(const std::string& op, const std::string& name,
                                               const std::vector<std::string>& inputs) {
    NodeDef& node = addNode(op, name);
    (*node.mutable_attr())["T"].set_type(proto::DT_FLOAT);
    for (const std::string& input : inputs) {
        node.add_input(input);
    }
    return node;
}

GraphBuilder::NodeDef& GraphBuilder::addNode(const std::string& op, const std::string& name) {
    NodeDef& node = *graph.add_node();
    node.set_op(op);
    node.set_name(name);
    return node;
}

} // namespace graph_generator
} // namespace tools
