#ifndef TOOLS_GRAPH_GENERATOR_PERCEPTRON_H
#define TOOLS_GRAPH_GENERATOR_PERCEPTRON_H

#include "utils/neural_network/FrozenGraph.pb.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tools {
namespace graph_generator {

enum class Activation { LINEAR, RELU, TANH, SIGMOID };

/// outputs = activation(inputs · weights + bias).
struct DenseLayer {
    std::size_t inputs = 0;
    std::size_t outputs = 0;
    /// inputs × outputs, row-major.
    std::vector<float> weights;
    std::vector<float> bias;
    Activation activation = Activation::LINEAR;
};

/// A multilayer perceptron: each layer feeds the next.
struct Perceptron {
    std::vector<DenseLayer> layers;
};

/// Layers of the given sizes (inputs first, outputs last), weights drawn
/// uniformly within the Glorot limit and biases within ±0.1 from the seed;
/// every layer but the last one linear has the hidden activation.
Perceptron randomPerceptron(std::uint32_t seed, const std::vector<std::size_t>& sizes, Activation hidden);

/// The frozen graph of the perceptron: a placeholder input of shape
/// [-1, inputs], per layer k the nodes "dense_k/kernel", "dense_k/bias",
/// "dense_k/MatMul", "dense_k/BiasAdd" and the activation, and an Identity as
/// the output node.
utils::neural_network::proto::GraphDef perceptronGraph(const Perceptron& perceptron, const std::string& inputNode,
                                                       const std::string& outputNode);

} // namespace graph_generator
} // namespace tools

#endif
