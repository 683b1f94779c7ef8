#ifndef UTILS_NEURAL_NETWORK_NEURALNETWORK_H
#define UTILS_NEURAL_NETWORK_NEURALNETWORK_H

#include "utils/neural_network/Tensor.h"

#include <memory>
#include <string>
#include <vector>

namespace utils {
namespace neural_network {

class Session;

/// Whether loading a graph worked, and if not, why.
struct Status {
    bool ok() const { return message.empty(); }

    std::string message;
};

/// One frozen graph under the neural-network folder: collects input values one
/// by one, runs the graph on them and gives its outputs as doubles. A graph that
/// cannot be used is reported once, on the standard error stream, when the
/// network is built; its forward passes then give zeros.
class NeuralNetwork {
public:
    /// No graph: forward passes give no values. Only to be assigned a real one later.
    NeuralNetwork();
    /// Loads "<rootDirectory>/<neural-network folder>/<graphName>.pb" (an empty
    /// rootDirectory is left out) for nInputs inputs fed to inputNode and
    /// nOutputs outputs read from outputNode.
    NeuralNetwork(int nInputs, int nOutputs, std::string inputNode, std::string outputNode, std::string rootDirectory,
                  std::string graphName);
    NeuralNetwork(NeuralNetwork&&) noexcept;
    NeuralNetwork& operator=(NeuralNetwork&&) noexcept;
    ~NeuralNetwork();

    /// Reads the graph file and replaces the session by one that evaluates this
    /// network's output node from its input node; on failure leaves the session
    /// as it was and tells why, naming the file and the node at fault.
    Status LoadGraph(const std::string& graphFile, std::unique_ptr<Session>* session);

    /// Whether the graph was loaded, so that forward passes compute it.
    bool isLoaded() const { return session != nullptr; }

    void addFeature(double value);

    /// nOutputs values from the features added since the last pass, which it
    /// empties: the first nInputs features are read, missing ones as 0. Zeros
    /// while no graph is loaded.
    std::vector<double> forwardPass();

private:
    Tensor inputTensor;
    int nInputs = 0;
    int nOutputs = 0;
    std::string inputNode;
    std::string outputNode;
    std::string rootDirectory;
    std::string graphPath;
    std::vector<double> features;
    std::unique_ptr<Session> session;
};

} // namespace neural_network
} // namespace utils

#endif
