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
    const std::shared_ptr<MovementRequest> request = decisionMaking.getMovementRequest();
    handleMovementRequest(request, perception, modeling);
    // Otherwise the world model would move its estimates by the walk's last step in every cycle after it.
    walkOdometry = stateMachine.getWalk().getOdometry();
    if (!request || !stateMachine.hasWalkAdvanced()) {
        walkOdometry.mean = marlowinds_lib::math::Pose2D();
    }
    if (const std::shared_ptr<LookRequest> look = decisionMaking.getLookRequest()) {
        jointsTargets.setValue(NaoJoints::NECK_YAW, look->getPan());
        jointsTargets.setValue(NaoJoints::NECK_PITCH, look->getTilt());
    }
    jointsController.update(jointsTargets, perception.getAgentPerception().getNaoJoints());
}

marlowinds_lib::math::Vector2<double> ControlImpl::getCoMVelocity() {
    return stateMachine.getWalk().getInstantaneousSpeed();
}

marlowinds_lib::math::Vector2<double> ControlImpl::getCoMAcceleration() {
    return stateMachine.getWalk().getInstantaneousAcceleration();
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
