#include "tools/graph_generator/Perceptron.h"

#include "tools/graph_generator/GraphBuilder.h"

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/uniform_real_distribution.hpp>

#include <cmath>
#include <stdexcept>

namespace tools {
namespace graph_generator {

namespace {

const char* activationOp(Activation activation) {
    switch (activation) {
    case Activation::RELU:
        return "Relu";
    case Activation::TANH:
        return "Tanh";
    case Activation::SIGMOID:
        return "Sigmoid";
    default:
        return nullptr;
    }
}

} // namespace

Perceptron randomPerceptron(std::uint32_t seed, const std::vector<std::size_t>& sizes, Activation hidden) {
    if (sizes.size() < 2) {
        throw std::invalid_argument("a perceptron needs at least an input and an output size");
    }
    // Boost's distributions draw the same numbers on every platform.
    boost::random::mt19937 engine(seed);
    Perceptron perceptron;
    for (std::size_t k = 0; k + 1 < sizes.size(); ++k) {
        DenseLayer layer;
        layer.inputs = sizes[k];
        layer.outputs = sizes[k + 1];
        const double limit = std::sqrt(6.0 / static_cast<double>(layer.inputs + layer.outputs));
        boost::random::uniform_real_distribution<float> weight(static_cast<float>(-limit), static_cast<float>(limit));
        boost::random::uniform_real_distribution<float> bias(-0.1F, 0.1F);
        for (std::size_t i = 0; i < layer.inputs * layer.outputs; ++i) {
            layer.weights.push_back(weight(engine));
        }
        for (std::size_t i = 0; i < layer.outputs; ++i) {
            layer.bias.push_back(bias(engine));
        }
        layer.activation = k + 2 < sizes.size() ? hidden : Activation::LINEAR;
        perceptron.layers.push_back(std::move(layer));
    }
    return perceptron;
}

utils::neural_network::proto::GraphDef perceptronGraph(const Perceptron& perceptron, const std::string& inputNode,
                                                       const std::string& outputNode) {
    if (perceptron.layers.empty()) {
        throw std::invalid_argument("a perceptron needs at least one layer");
    }
    GraphBuilder builder;
    const auto width = [](std::size_t size) { return static_cast<std::int64_t>(size); };
    builder.placeholder(inputNode, {-1, width(perceptron.layers.front().inputs)});
    std::string previous = inputNode;
    for (std::size_t k = 0; k < perceptron.layers.size(); ++k) {
        const DenseLayer& layer = perceptron.layers[k];
        const std::string prefix = "dense_" + std::to_string(k + 1) + "/";
        builder.constant(prefix + "kernel", {width(layer.inputs), width(layer.outputs)}, layer.weights);
        builder.constant(prefix + "bias", {width(layer.outputs)}, layer.bias);
        builder.operation("MatMul", prefix + "MatMul", {previous, prefix + "kernel"});
        builder.operation("BiasAdd", prefix + "BiasAdd", {prefix + "MatMul", prefix + "bias"});
        previous = prefix + "BiasAdd";
        if (const char* op = activationOp(layer.activation)) {
            builder.operation(op, prefix + op, {previous});
            previous = prefix + op;
        }
    }
    builder.operation("Identity", outputNode, {previous});
    return builder.getGraph();
}

} // namespace graph_generator
} // namespace tools
