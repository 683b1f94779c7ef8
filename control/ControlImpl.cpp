#include "control/ControlImpl.h"

#include "control/ControlEvents.h"
#include "control/IdleState.h"
#include "decision_making/DecisionMaking.h"
#include "perception/Perception.h"

namespace control {

using representations::NaoJoints;

ControlImpl::ControlImpl(representations::RobotType::ROBOT_TYPE robotType)
    : stateMachine(robotType), jointsController(robotType, JOINTS_CONTROLLER_GAIN) {
    stateMachine.initiate();
}

ControlImpl::ControlImpl(int robotType) : ControlImpl(static_cast<representations::RobotType::ROBOT_TYPE>(robotType)) {}

void ControlImpl::control(perception::Perception& perception, modeling::Modeling& modeling,
                          decision_making::DecisionMaking& decisionMaking) {
    jointsTargets.clear();
    handleMovementRequest(decisionMaking.getMovementRequest(), perception, modeling);
    if (const std::shared_ptr<LookRequest> look = decisionMaking.getLookRequest()) {
        jointsTargets.setValue(NaoJoints::NECK_YAW, look->getPan());
        jointsTargets.setValue(NaoJoints::NECK_PITCH, look->getTilt());
    }
    jointsController.update(jointsTargets, perception.getAgentPerception().getNaoJoints());
}

void ControlImpl::handleMovementRequest(const std::shared_ptr<MovementRequest>& request,
                                        perception::Perception& perception, modeling::Modeling& modeling) {
    if (!request) {
        return;
    }
    stateMachine.setMovementRequest(request);
    stateMachine.process_event(SetMovementEvent(request));
    stateMachine.control(perception, modeling);
    // The engines turn their joints their own way; the fixing also zeroes the
    // neck, which only look requests drive.
    jointsTargets = stateMachine.getDesiredJoints() * NaoJoints::getNaoDirectionsFixing();
}

} // namespace control
