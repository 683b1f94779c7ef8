#include "control/IdleState.h"

#include "control/KeyframeMovementState.h"
#include "control/KickMovementState.h"
#include "control/NeuralMovementState.h"
#include "control/WalkMovementState.h"

namespace control {

boost::statechart::result IdleState::react(const SetMovementEvent& event) {
    if (!event.getMovementRequest()) {
        return discard_event();
    }
    switch (event.getMovementRequest()->getMovementType()) {
    case MovementRequestType::WALK:
        return transit<WalkMovementState>();
    case MovementRequestType::KICK:
        return transit<KickMovementState>();
    case MovementRequestType::KEYFRAME:
        return transit<KeyframeMovementState>();
    case MovementRequestType::NEURAL:
        return transit<NeuralMovementState>();
    default:
        return discard_event();
    }
}

} // namespace control
