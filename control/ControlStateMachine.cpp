#include "control/ControlStateMachine.h"

#include "control/ControlEvents.h"
#include "control/IdleState.h"
#include "perception/Perception.h"
#include "representations/MarlowindsConstants.h"

#include <cmath>
#include <iostream>

namespace control {

using representations::NaoJoints;

namespace {

/// Smoothing ends within this of the engine's first pose (0.1 degree).
constexpr double SMOOTHING_TOLERANCE = 0.0017453292519943296;

} // namespace

// The normal walk set is still empty here, before the configuration is bound:
// the walk takes its set at the start of every walk.
ControlStateMachine::ControlStateMachine(representations::RobotType::ROBOT_TYPE /*robotType*/)
    : kickInverseKinematics(walking::RobotPhysicalParameters::getNaoPhysicalParameters()),
      kick(kick::KickZMPParams::getDefaultKickZMPParams(), false,
           walking::RobotPhysicalParameters::getNaoPhysicalParameters(), &kickInverseKinematics),
      walkInverseKinematics(walking::RobotPhysicalParameters::getNaoPhysicalParameters()),
      walk(walking::OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(
               walking::OmnidirectionalWalkZMParamsType::NORMAL),
           walking::RobotPhysicalParameters::getNaoPhysicalParameters(), &walkInverseKinematics),
      neuralPlayer(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER) {}

// Defined here, where the states are complete, for the machine's teardown.
ControlStateMachine::~ControlStateMachine() { terminate(); }

void ControlStateMachine::control(perception::Perception& perception, modeling::Modeling& modeling) {
    this->perception = &perception;
    this->modeling = &modeling;
    walkAdvanced = false;
    process_event(ControlMovementEvent());
    holdNonFiniteTargets();
    previousTime = now();
}

double ControlStateMachine::now() const { return perception->getAgentPerception().getGlobalTime(); }

void ControlStateMachine::smooth(const NaoJoints& firstPose) {
    const NaoJoints current = perception->getAgentPerception().getNaoJoints() * NaoJoints::getNaoDirectionsFixing();
    movementSwitchSmoother.set(firstPose);
    desiredJoints = movementSwitchSmoother.smooth(current);
    if ((desiredJoints - current).lInfiniteNorm() < SMOOTHING_TOLERANCE) {
        smoothing = false;
    }
}

void ControlStateMachine::holdNonFiniteTargets() {
    const NaoJoints measured = perception->getAgentPerception().getNaoJoints() * NaoJoints::getNaoDirectionsFixing();
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
