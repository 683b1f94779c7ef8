#ifndef CONTROL_NEURAL_NETWORK_NEURALPLAYER_H
#define CONTROL_NEURAL_NETWORK_NEURALPLAYER_H

#include "representations/NaoJoints.h"
#include "utils/neural_network/NeuralNetwork.h"

#include <string>
#include <vector>

namespace control {
namespace neural_network {

/// Plays a whole-body motion that a network gives as a function of time: fed
/// the seconds since the motion started, the network answers with the 22 joint
/// positions of that instant and a signal that the motion is over.
class NeuralPlayer {
public:
    static const std::string INPUT_NODE;
    static const std::string OUTPUT_NODE;
    /// Outputs 0 to 21 are the joints in HINGE_JOINTS order, output 22 the end signal.
    static constexpr int NUMBER_OF_OUTPUTS = 23;
    static constexpr int END_OUTPUT = 22;
    /// The end signal ends the motion when strictly above this.
    static constexpr double END_THRESHOLD = 0.9;

    /// The folder is not used: the network puts the neural-network folder in
    /// front of a graph name itself.
    explicit NeuralPlayer(std::string folder);
    virtual ~NeuralPlayer() = default;

    /// Loads the graph of that name (relative to the neural-network folder,
    /// without ".pb") for the next forward passes; keeps the flags and joints.
    void setNetwork(std::string name, int inputSize);
    /// Runs the network on the features (the time since the motion started
    /// first). A graph that could not be loaded ends the motion at once, so
    /// that it cannot hold the robot in a motion nothing interrupts.
    void forwardPass(std::vector<double> features);
    representations::NaoJoints& getDesiredJoints(std::vector<double> features);

    /// Whether the graph of the last setNetwork was loaded.
    bool hasNetwork() const { return network.isLoaded(); }
    /// The last pass was fed the time 0.
    bool hasStarted() const { return started; }
    bool hasEnded() const { return ended; }

private:
    utils::neural_network::NeuralNetwork network;
    representations::NaoJoints joints;
    bool started = true;
    bool ended = false;
};

} // namespace neural_network
} // namespace control

#endif
