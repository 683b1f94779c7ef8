#ifndef TESTS_CONTROL_NEURAL_NETWORK_LINEARMOTIONGRAPH_H
#define TESTS_CONTROL_NEURAL_NETWORK_LINEARMOTIONGRAPH_H

#include "control/neural_network/NeuralPlayer.h"
#include "representations/MarlowindsConstants.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/Perceptron.h"

#include <string>
#include <vector>

namespace tests {

/// Writes the motion graph of that name under the neural-network folder: for
/// the time t fed in, joint j = (j + 1) / 100 · t + offset; the end signal is t.
inline void writeLinearMotion(const std::string& name, float offset) {
    tools::graph_generator::DenseLayer layer{1, 23, std::vector<float>(23), std::vector<float>(23, offset)};
    for (int j = 0; j < 22; ++j) {
        layer.weights[j] = static_cast<float>(j + 1) / 100.0F;
    }
    layer.weights[22] = 1.0F;
    layer.bias[22] = 0.0F;
    tools::graph_generator::writeGraphFile(
        representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/" + name + ".pb",
        tools::graph_generator::perceptronGraph({{layer}}, control::neural_network::NeuralPlayer::INPUT_NODE,
                                                control::neural_network::NeuralPlayer::OUTPUT_NODE));
}

} // namespace tests

#endif
