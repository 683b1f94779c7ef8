#include "tools/graph_generator/TrajectoryCompiler.h"

#include "control/neural_network/NeuralPlayer.h"

#include <cmath>

namespace tools {
namespace graph_generator {

namespace {

using control::neural_network::NeuralPlayer;
using representations::NaoJoints;

/// The joint's speed between step k - 1 and step k; 0 before the first step and after the last.
double slope(const PostureTrajectory& trajectory, std::size_t k, int joint) {
    if (k == 0 || k >= trajectory.times.size()) {
        return 0.0;
    }
    const auto which = static_cast<NaoJoints::HINGE_JOINTS>(joint);
    return (trajectory.postures[k].getValue(which) - trajectory.postures[k - 1].getValue(which)) /
           (trajectory.times[k] - trajectory.times[k - 1]);
}

} // namespace

Perceptron compileTrajectory(const PostureTrajectory& trajectory) {
    const std::size_t steps = trajectory.times.size();
    const std::size_t outputs = NeuralPlayer::NUMBER_OF_OUTPUTS;
    DenseLayer hidden{1, steps, std::vector<float>(steps, -1.0F), {}, Activation::RELU};
    for (const double time : trajectory.times) {
        hidden.bias.push_back(static_cast<float>(time));
    }

    // Unit k falls at speed 1 until step k, so the output's speed between two
    // steps is minus the sum of the weights of the units still falling: unit
    // k's weight is the change of speed at step k.
    DenseLayer output{steps, outputs, std::vector<float>(steps * outputs, 0.0F), std::vector<float>(outputs, 0.0F),
                      Activation::LINEAR};
    for (std::size_t k = 0; k < steps; ++k) {
        for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            output.weights[k * outputs + joint] =
                static_cast<float>(slope(trajectory, k + 1, joint) - slope(trajectory, k, joint));
        }
    }
    const std::vector<double> last = trajectory.postures.back().getAsVector();
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        output.bias[joint] = static_cast<float>(last[joint]);
    }

    // The end signal is 1 - relu(end - t) / g, g the float gap below the end
    // time: 1 from the end on, and at most 0 at any float time before it. g
    // is a power of two, so dividing by it is exact.
    const float end = hidden.bias.back();
    const float gap = end - std::nextafter(end, 0.0F);
    output.weights[(steps - 1) * outputs + NeuralPlayer::END_OUTPUT] = -1.0F / gap;
    output.bias[NeuralPlayer::END_OUTPUT] = 1.0F;
    return Perceptron{{hidden, output}};
}

} // namespace graph_generator
} // namespace tools
