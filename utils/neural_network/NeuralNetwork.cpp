#include "utils/neural_network/NeuralNetwork.h"

#include "representations/MarlowindsConstants.h"
#include "utils/neural_network/Session.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <utility>

namespace utils {
namespace neural_network {

namespace {

std::string joinPath(const std::string& directory, const std::string& path) {
    if (directory.empty()) {
        return path;
    }
    return directory.back() == '/' ? directory + path : directory + "/" + path;
}

} // namespace

// Out of line, where the session is a complete type.
NeuralNetwork::NeuralNetwork() = default;
NeuralNetwork::NeuralNetwork(NeuralNetwork&&) noexcept = default;
NeuralNetwork& NeuralNetwork::operator=(NeuralNetwork&&) noexcept = default;
NeuralNetwork::~NeuralNetwork() = default;

NeuralNetwork::NeuralNetwork(int nInputs, int nOutputs, std::string inputNode, std::string outputNode,
                             std::string rootDirectory, std::string graphName)
    : inputTensor(Shape{1, std::max(0, nInputs)}), nInputs(std::max(0, nInputs)), nOutputs(std::max(0, nOutputs)),
      inputNode(std::move(inputNode)), outputNode(std::move(outputNode)), rootDirectory(std::move(rootDirectory)),
      graphPath(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/" + graphName + ".pb") {
    features.reserve(static_cast<std::size_t>(this->nInputs));
    const Status status = LoadGraph(joinPath(this->rootDirectory, graphPath), &session);
    if (!status.ok()) {
        std::cerr << "(NeuralNetwork) " << status.message << "; its forward passes give zeros" << std::endl;
    }
}

Status NeuralNetwork::LoadGraph(const std::string& graphFile, std::unique_ptr<Session>* session) {
    const std::string failed = "Failed to load compute graph at '" + graphFile + "': ";
    std::ifstream file(graphFile, std::ios::binary);
    if (!file) {
        return {failed + "the file cannot be read"};
    }
    proto::GraphDef graph;
    if (!graph.ParseFromIstream(&file)) {
        return {failed + "the file holds no graph"};
    }
    try {
        auto loaded = std::make_unique<Session>(graph, inputNode, inputTensor.shape, outputNode);
        const std::int64_t outputs = elementCount(loaded->getOutputShape());
        if (outputs < nOutputs) {
            return {failed + "the output node \"" + outputNode + "\" holds " + std::to_string(outputs) + " of the " +
                    std::to_string(nOutputs) + " values read"};
        }
        *session = std::move(loaded);
        return {};
    } catch (const std::exception& error) {
        return {failed + error.what()};
    }
}

void NeuralNetwork::addFeature(double value) { features.push_back(value); }

std::vector<double> NeuralNetwork::forwardPass() {
    std::vector<double> outputs(static_cast<std::size_t>(nOutputs), 0.0);
    if (session != nullptr) {
        for (std::size_t i = 0; i < inputTensor.values.size(); ++i) {
            inputTensor.values[i] = i < features.size() ? static_cast<float>(features[i]) : 0.0F;
        }
        const Tensor& result = session->run(inputTensor);
        std::copy_n(result.values.begin(), outputs.size(), outputs.begin());
    }
    features.clear();
    return outputs;
}

} // namespace neural_network
} // namespace utils
