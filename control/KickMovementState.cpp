#include "control/KickMovementState.h"

#include <iostream>

namespace control {

void KickMovementState::control(perception::Perception& /*perception*/, modeling::Modeling& /*modeling*/) {
    ControlStateMachine& machine = this->machine();
    if (firstCycle) {
        firstCycle = false;
        machine.kick.reset();
        machine.smoothing = true;
    }
    if (machine.smoothing) {
        std::cout << "smoothing" << std::endl;
        representations::NaoJoints firstPose;
        machine.kick.update(0.0, firstPose);
        machine.smooth(firstPose);
    } else {
        machine.kick.update(machine.elapsed(), machine.desiredJoints);
    }
}

} // namespace control
