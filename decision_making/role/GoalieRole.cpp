#include "decision_making/role/GoalieRole.h"

#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"

namespace decision_making {
namespace role {

void GoalieRole::behaveMovement(modeling::Modeling& modeling) {
    switch (modeling.getWorldModel().getPlayMode()) {
    case modeling::PlayMode::BEFORE_KICK_OFF:
    case modeling::PlayMode::OWN_GOAL:
    case modeling::PlayMode::THEIR_GOAL: {
        behavior::BeamBehavior& beam = *behaviorFactory.getBeamBehavior();
        beam.behave(modeling);
        beamRequest = beam.getBeamRequest();
        break;
    }
    default:
        break;
    }
    behavior::GoalieBehavior& goalie = *behaviorFactory.getGoalieBehavior();
    goalie.behave(modeling);
    movementRequest = goalie.getMovementRequest();
}

} // namespace role
} // namespace decision_making
