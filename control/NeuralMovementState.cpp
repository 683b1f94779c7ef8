#include "control/NeuralMovementState.h"

#include "perception/Perception.h"

namespace control {

void NeuralMovementState::control(perception::Perception& perception, modeling::Modeling& /*modeling*/) {
    neural_network::NeuralPlayer& player = machine().neuralPlayer;
    const double now = perception.getAgentPerception().getGlobalTime();
    if (firstCycle) {
        firstCycle = false;
        request = std::static_pointer_cast<NeuralRequest>(machine().movementRequest);
        player.setNetwork(request->getName(), 1);
        startTime = now;
    }
    if (!player.hasNetwork()) {
        return;
    }
    features[0] = now - startTime;
    machine().desiredJoints = player.getDesiredJoints(features);
}

bool NeuralMovementState::hasFinished() const {
    const neural_network::NeuralPlayer& player = machine().neuralPlayer;
    return !player.hasNetwork() || player.hasEnded();
}

} // namespace control
