#include "control/KeyframeMovementState.h"

#include "perception/Perception.h"

namespace control {

void KeyframeMovementState::control(perception::Perception& perception, modeling::Modeling& /*modeling*/) {
    keyframe::KeyframePlayer& player = machine().keyframePlayer;
    if (firstCycle) {
        firstCycle = false;
        request = std::static_pointer_cast<KeyframeRequest>(machine().movementRequest);
        pageRefused = !player.setPage(request->getName());
    }
    if (pageRefused) {
        return;
    }
    const perception::AgentPerception& sensed = perception.getAgentPerception();
    machine().desiredJoints =
        player.getDesiredJoints(sensed.getNaoJoints(), sensed.getGlobalTime(), request->isInverted());
}

bool KeyframeMovementState::hasFinished() const {
    return pageRefused || machine().keyframePlayer.getCurrentPage()->hasFinished();
}

} // namespace control
