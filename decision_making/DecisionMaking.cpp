#include "decision_making/DecisionMaking.h"

#include "control/KeyframeRequest.h"
#include "control/WalkRequest.h"
#include "control/keyframe/KeyframeType.h"
#include "modeling/Modeling.h"

namespace decision_making {

bool DecisionMaking::decideFall(modeling::Modeling& modeling) {
    const modeling::AgentModel& body = modeling.getAgentModel();
    if (!body.isCurrentlyFallen() && !body.isFallLatched()) {
        return false;
    }
    using control::keyframe::KeyframeType;
    lookRequest = std::make_shared<control::LookRequest>(0.0, 0.0);
    if (!body.isCurrentlyFallen()) {
        // Up again but not yet steady: a head swung by the scan, or a turn the
        // role asks for, throws a body that still sways, so it steps in place.
        movementRequest = std::make_shared<control::WalkRequest>(marlowinds_lib::math::Pose2D(),
                                                                 control::WalkMode::SPRINT);
    } else if (body.hasFallenFront()) {
        movementRequest = std::make_shared<control::KeyframeRequest>(KeyframeType::STAND_UP_FROM_FRONT, false);
    } else if (body.hasFallenBack()) {
        movementRequest = std::make_shared<control::KeyframeRequest>(KeyframeType::STAND_UP_FROM_BACK, false);
    } else if (body.hasFallenSide()) {
        movementRequest = std::make_shared<control::KeyframeRequest>(KeyframeType::MOVE_ARM_TO_FALL_BACK, false);
    }
    sayMessage.reset();
    beamRequest.reset();
    passRequest = false;
    return true;
}

} // namespace decision_making
