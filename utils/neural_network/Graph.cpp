#include "utils/neural_network/Graph.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace utils {
namespace neural_network {

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "tensor contents are read as little-endian");

struct OperationName {
    const char* op;
    Operation operation;
    std::size_t inputs;
};

const OperationName OPERATIONS[] = {
    {"Placeholder", Operation::PLACEHOLDER, 0},
    {"Const", Operation::CONST, 0},
    {"Identity", Operation::IDENTITY, 1},
    {"Reshape", Operation::RESHAPE, 2},
    {"Squeeze", Operation::SQUEEZE, 1},
    {"MatMul", Operation::MAT_MUL, 2},
    {"BiasAdd", Operation::BIAS_ADD, 2},
    {"Add", Operation::ADD, 2},
    {"AddV2", Operation::ADD, 2},
    {"Sub", Operation::SUB, 2},
    {"Mul", Operation::MUL, 2},
    {"RealDiv", Operation::REAL_DIV, 2},
    {"Maximum", Operation::MAXIMUM, 2},
    {"Minimum", Operation::MINIMUM, 2},
    {"Relu", Operation::RELU, 1},
    {"Tanh", Operation::TANH, 1},
    {"Sigmoid", Operation::SIGMOID, 1},
};

std::runtime_error nodeError(const std::string& node, const std::string& text) {
    return std::runtime_error("node \"" + node + "\": " + text);
}

/// A node's input: "name", "name:k" (output k) or "^name" (ordering only).
struct Reference {
    std::string name;
    bool control = false;
    bool firstOutput = true;
};

Reference parseReference(const std::string& text) {
    Reference reference;
    reference.name = text;
    if (!text.empty() && text[0] == '^') {
        reference.control = true;
        reference.name = text.substr(1);
    }
    const std::size_t colon = reference.name.rfind(':');
    if (colon != std::string::npos && colon + 1 < reference.name.size()) {
        const std::string output = reference.name.substr(colon + 1);
        if (std::all_of(output.begin(), output.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            reference.firstOutput = output.find_first_not_of('0') == std::string::npos;
            reference.name.erase(colon);
        }
    }
    return reference;
}

std::string typeName(int type) {
    const std::string name = proto::DataType_IsValid(type) ? proto::DataType_Name(type) : "";
    return name.empty() ? "number " + std::to_string(type) : name;
}

const proto::AttrValue* findAttribute(const proto::NodeDef& definition, const std::string& name) {
    const auto found = definition.attr().find(name);
    return found == definition.attr().end() ? nullptr : &found->second;
}

void requireFloat(int type) {
    if (type != proto::DT_FLOAT) {
        throw std::runtime_error("type " + typeName(type) + " is not float");
    }
}

/// The values of a constant: all of tensor_content, or one repeated value
/// filling the shape, or one value per element; none at all reads as zeros.
template <typename T, typename Repeated>
std::vector<T> readValues(const proto::TensorProto& tensor, const Repeated& typed, std::int64_t count) {
    std::vector<T> values(static_cast<std::size_t>(count), T{});
    const std::string& content = tensor.tensor_content();
    if (!content.empty()) {
        if (content.size() != values.size() * sizeof(T)) {
            throw std::runtime_error("holds " + std::to_string(content.size()) + " bytes for " + std::to_string(count) +
                                     " values");
        }
        std::memcpy(values.data(), content.data(), content.size());
    } else if (typed.size() == 1) {
        std::fill(values.begin(), values.end(), static_cast<T>(typed[0]));
    } else if (static_cast<std::int64_t>(typed.size()) == count) {
        std::copy(typed.begin(), typed.end(), values.begin());
    } else if (!typed.empty()) {
        throw std::runtime_error("holds " + std::to_string(typed.size()) + " values for " + std::to_string(count));
    }
    return values;
}

void readConstant(const proto::NodeDef& definition, Node& node) {
    const proto::AttrValue* value = findAttribute(definition, "value");
    if (value == nullptr || !value->has_tensor()) {
        throw std::runtime_error("has no value");
    }
    const proto::TensorProto& tensor = value->tensor();
    Shape shape;
    for (const auto& dimension : tensor.tensor_shape().dim()) {
        shape.push_back(dimension.size());
    }
    const std::int64_t count = checkedElementCount(shape);
    switch (tensor.dtype()) {
    case proto::DT_FLOAT:
        node.value = Tensor(shape, readValues<float>(tensor, tensor.float_val(), count));
        break;
    case proto::DT_INT32: {
        const std::vector<std::int32_t> values = readValues<std::int32_t>(tensor, tensor.int_val(), count);
        node.integers.assign(values.begin(), values.end());
        node.isIntegerConstant = true;
        break;
    }
    case proto::DT_INT64:
        node.integers = readValues<std::int64_t>(tensor, tensor.int64_val(), count);
        node.isIntegerConstant = true;
        break;
    default:
        requireFloat(tensor.dtype());
    }
}

void readAttributes(const proto::NodeDef& definition, Node& node) {
    if (node.operation == Operation::CONST) {
        readConstant(definition, node);
        return;
    }
    if (node.operation == Operation::PLACEHOLDER) {
        const proto::AttrValue* type = findAttribute(definition, "dtype");
        requireFloat(type == nullptr ? proto::DT_INVALID : type->type());
        const proto::AttrValue* shape = findAttribute(definition, "shape");
        node.hasDeclaredShape = shape != nullptr && shape->has_shape() && !shape->shape().unknown_rank();
        if (node.hasDeclaredShape) {
            for (const auto& dimension : shape->shape().dim()) {
                node.declaredShape.push_back(dimension.size());
            }
        }
        return;
    }
    if (const proto::AttrValue* type = findAttribute(definition, "T")) {
        requireFloat(type->type());
    }
    const auto flag = [&definition](const char* name) {
        const proto::AttrValue* attribute = findAttribute(definition, name);
        return attribute != nullptr && attribute->b();
    };
    node.transposeA = flag("transpose_a");
    node.transposeB = flag("transpose_b");
    if (const proto::AttrValue* format = findAttribute(definition, "data_format")) {
        if (format->s() != "NHWC" && format->s() != "NCHW") {
            throw std::runtime_error("data format \"" + format->s() + "\" is not NHWC or NCHW");
        }
        node.channelsFirst = format->s() == "NCHW";
    }
    if (const proto::AttrValue* dimensions = findAttribute(definition, "squeeze_dims")) {
        node.squeezeDimensions.assign(dimensions->list().i().begin(), dimensions->list().i().end());
    }
}

Node readNode(const proto::NodeDef& definition, const std::map<std::string, std::size_t>& filePositions) {
    Node node;
    node.name = definition.name();
    const auto* known = std::find_if(std::begin(OPERATIONS), std::end(OPERATIONS),
                                     [&definition](const OperationName& entry) { return definition.op() == entry.op; });
    if (known == std::end(OPERATIONS)) {
        throw std::runtime_error("unsupported operation \"" + definition.op() + "\"");
    }
    node.operation = known->operation;
    for (const std::string& text : definition.input()) {
        const Reference reference = parseReference(text);
        const auto found = filePositions.find(reference.name);
        if (found == filePositions.end()) {
            throw std::runtime_error("input \"" + text + "\" names no node");
        }
        if (!reference.firstOutput) {
            throw std::runtime_error("input \"" + text + "\" asks for an output that node does not have");
        }
        (reference.control ? node.controlInputs : node.inputs).push_back(found->second);
    }
    if (node.inputs.size() != known->inputs) {
        throw std::runtime_error(definition.op() + " takes " + std::to_string(known->inputs) + " inputs, not " +
                                 std::to_string(node.inputs.size()));
    }
    readAttributes(definition, node);
    return node;
}

/// Integer constants are only read as Reshape's new shape; every other value is a float.
void checkInputTypes(const std::vector<Node>& nodes) {
    for (const Node& node : nodes) {
        for (std::size_t k = 0; k < node.inputs.size(); ++k) {
            const Node& input = nodes[node.inputs[k]];
            const bool newShape = node.operation == Operation::RESHAPE && k == 1;
            if (newShape && !input.isIntegerConstant) {
                throw nodeError(node.name, "the new shape must be an integer constant");
            }
            if (!newShape && input.isIntegerConstant) {
                throw nodeError(node.name, "input \"" + input.name + "\" is an integer, not a float");
            }
        }
    }
}

/// Every node after its data and control inputs; refuses a cycle.
std::vector<std::size_t> evaluationOrder(const std::vector<Node>& nodes) {
    std::vector<std::vector<std::size_t>> consumers(nodes.size());
    std::vector<std::size_t> pending(nodes.size(), 0);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        for (const auto* inputs : {&nodes[i].inputs, &nodes[i].controlInputs}) {
            for (const std::size_t input : *inputs) {
                consumers[input].push_back(i);
                ++pending[i];
            }
        }
        if (pending[i] == 0) {
            order.push_back(i);
        }
    }
    for (std::size_t next = 0; next < order.size(); ++next) {
        for (const std::size_t consumer : consumers[order[next]]) {
            if (--pending[consumer] == 0) {
                order.push_back(consumer);
            }
        }
    }
    if (order.size() == nodes.size()) {
        return order;
    }
    // Every node left waits for another one left: following them must come round.
    std::size_t node = static_cast<std::size_t>(
        std::find_if(pending.begin(), pending.end(), [](std::size_t count) { return count > 0; }) - pending.begin());
    std::vector<bool> visited(nodes.size(), false);
    while (!visited[node]) {
        visited[node] = true;
        for (const auto* inputs : {&nodes[node].inputs, &nodes[node].controlInputs}) {
            const auto waiting = std::find_if(inputs->begin(), inputs->end(),
                                              [&pending](std::size_t input) { return pending[input] > 0; });
            if (waiting != inputs->end()) {
                node = *waiting;
                break;
            }
        }
    }
    throw nodeError(nodes[node].name, "depends on itself through a cycle");
}

} // namespace

Graph::Graph(const proto::GraphDef& definition) {
    std::map<std::string, std::size_t> filePositions;
    for (int i = 0; i < definition.node_size(); ++i) {
        if (!filePositions.emplace(definition.node(i).name(), static_cast<std::size_t>(i)).second) {
            throw nodeError(definition.node(i).name(), "is defined twice");
        }
    }
    std::vector<Node> unordered;
    unordered.reserve(filePositions.size());
    for (const proto::NodeDef& node : definition.node()) {
        try {
            unordered.push_back(readNode(node, filePositions));
        } catch (const std::runtime_error& error) {
            throw nodeError(node.name(), error.what());
        }
    }
    checkInputTypes(unordered);

    const std::vector<std::size_t> order = evaluationOrder(unordered);
    std::vector<std::size_t> newPosition(order.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        newPosition[order[position]] = position;
    }
    nodes.reserve(order.size());
    for (const std::size_t old : order) {
        Node node = std::move(unordered[old]);
        for (auto* inputs : {&node.inputs, &node.controlInputs}) {
            for (std::size_t& input : *inputs) {
                input = newPosition[input];
            }
        }
        positions.emplace(node.name, nodes.size());
        nodes.push_back(std::move(node));
    }
}

std::size_t Graph::find(const std::string& reference) const {
    const Reference parsed = parseReference(reference);
    const auto found = positions.find(parsed.name);
    if (parsed.control || found == positions.end()) {
        throw std::runtime_error("no node \"" + reference + "\"");
    }
    if (!parsed.firstOutput) {
        throw nodeError(parsed.name, "has no output \"" + reference + "\"");
    }
    return found->second;
}

std::int64_t checkedElementCount(const Shape& shape) {
    std::int64_t count = 1;
    for (const std::int64_t size : shape) {
        if (size < 0 || (size > 0 && count > Graph::MAXIMUM_ELEMENTS / size)) {
            throw std::runtime_error("shape " + toString(shape) + " is open or too large");
        }
        count *= size;
    }
    return count;
}

std::string toString(const Shape& shape) {
    std::string text = "[";
    for (std::size_t i = 0; i < shape.size(); ++i) {
        text += (i == 0 ? "" : ",") + std::to_string(shape[i]);
    }
    return text + "]";
}

} // namespace neural_network
} // namespace utils
