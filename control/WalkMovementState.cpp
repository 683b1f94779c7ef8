#include "control/WalkMovementState.h"

#include "control/WalkInputDataSetter.h"
#include "modeling/Modeling.h"

namespace control {

using walking::OmnidirectionalWalkZMPParams;

boost::statechart::result WalkMovementState::react(const SetMovementEvent& event) {
    if (event.getMovementRequest() && event.getMovementRequest()->getMovementType() != MovementRequestType::WALK) {
        stopRequested = true;
    }
    return discard_event();
}

void WalkMovementState::control(perception::Perception& /*perception*/, modeling::Modeling& modeling) {
    ControlStateMachine& machine = this->machine();
    walking::OmnidirectionalWalkZMP& walk = machine.walk;
    if (firstCycle) {
        firstCycle = false;
        walk.setWalkParams(OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(
            walking::OmnidirectionalWalkZMParamsType::NORMAL));
        walk.restart();
        machine.smoothing = true;
    }
    if (machine.movementRequest) {
        applyRequest(modeling);
    }
    if (machine.smoothing) {
        // The walk's pose at its current time, without advancing it.
        representations::NaoJoints firstPose;
        walk.update(0.0, firstPose);
        machine.smooth(firstPose);
    } else {
        walk.update(machine.elapsed(), machine.desiredJoints);
        machine.walkAdvanced = true;
    }
}

void WalkMovementState::applyRequest(modeling::Modeling& modeling) {
    ControlStateMachine& machine = this->machine();
    walking::OmnidirectionalWalkZMP& walk = machine.walk;
    if (stopRequested) {
        walk.requestStop();
        machine.smoothing = false;
    } else {
        request = std::static_pointer_cast<WalkRequest>(machine.movementRequest);
        WalkInputDataSetter setter(walk, modeling.getWorldModel().getSelf().getPosition(), walkInputFlag);
        request->setWalkInput(setter);
    }
    const WalkMode mode = request->getWalkMode();
    walking::OmnidirectionalWalkZMParamsType set{};
    if (selectsWalkParams(mode, set)) {
        walk.setWalkParams(OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(set));
    }
    walk.setWalkPreciseMode(mode == WalkMode::PRECISE);
}

} // namespace control
