#include "control/neural_network/NeuralPlayer.h"

#include <utility>

namespace control {
namespace neural_network {

const std::string NeuralPlayer::INPUT_NODE = "pi/ob";
const std::string NeuralPlayer::OUTPUT_NODE = "pi/output_node";

NeuralPlayer::NeuralPlayer(std::string /*folder*/) {}

void NeuralPlayer::setNetwork(std::string name, int inputSize) {
    network = utils::neural_network::NeuralNetwork(inputSize, NUMBER_OF_OUTPUTS, INPUT_NODE, OUTPUT_NODE, "",
                                                   std::move(name));
}

void NeuralPlayer::forwardPass(std::vector<double> features) {
    for (const double feature : features) {
        network.addFeature(feature);
    }
    const std::vector<double> outputs = network.forwardPass();
    // A missing time reads as 0 in the network too.
    started = features.empty() || features[0] == 0.0;
    ended = !network.isLoaded() || (outputs.size() > END_OUTPUT && outputs[END_OUTPUT] > END_THRESHOLD);
    joints = representations::NaoJoints(outputs);
}

representations::NaoJoints& NeuralPlayer::getDesiredJoints(std::vector<double> features) {
    forwardPass(std::move(features));
    return joints;
}

} // namespace neural_network
} // namespace control
