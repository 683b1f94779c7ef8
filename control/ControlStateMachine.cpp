#include "control/ControlStateMachine.h"

#include "control/ControlEvents.h"
#include "control/IdleState.h"
#include "perception/Perception.h"
#include "representations/MarlowindsConstants.h"

#include <cmath>
#include <iostream>

namespace control {

using representations::NaoJoints;

ControlStateMachine::ControlStateMachine(representations::RobotType::ROBOT_TYPE /*robotType*/)
    : neuralPlayer(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER) {}

// Defined here, where the states are complete, for the machine's teardown.
ControlStateMachine::~ControlStateMachine() { terminate(); }

void ControlStateMachine::control(perception::Perception& perception, modeling::Modeling& modeling) {
    this->perception = &perception;
    this->modeling = &modeling;
    process_event(ControlMovementEvent());
    holdNonFiniteTargets();
    previousTime = now();
}

double ControlStateMachine::now() const { return perception->getAgentPerception().getGlobalTime(); }

const NaoJoints& ControlStateMachine::measuredJoints() const { return perception->getAgentPerception().getNaoJoints(); }

void ControlStateMachine::holdNonFiniteTargets() {
    const NaoJoints measured = measuredJoints() * NaoJoints::getNaoDirectionsFixing();
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
        if (std::isfinite(desiredJoints.getValue(hinge))) {
            continue;
        }
        desiredJoints.setValue(hinge, measured.getValue(hinge));
        if (!nonFiniteTargetReported) {
            nonFiniteTargetReported = true;
            std::cerr << "(ControlStateMachine) a motion engine gave a joint target that is not a number; such "
                         "targets are held at the measured angle"
                      << std::endl;
        }
    }
}

} // namespace control
