#include "decision_making/role/AttackingRole.h"

#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"

namespace decision_making {
namespace role {

void AttackingRole::behaveMovement(modeling::Modeling& modeling) {
    switch (modeling.getWorldModel().getPlayMode()) {
    case modeling::PlayMode::PLAY_ON:
    case modeling::PlayMode::OWN_PASS:
    case modeling::PlayMode::THEIR_PASS: {
        behavior::AttackBehavior& attack = *behaviorFactory.getAttackBehavior();
        attack.behave(modeling);
        movementRequest = attack.getMovementRequest();
        passRequest = attack.getPassRequest();
        break;
    }
    default: {
        behavior::SetPlay& setPlay = *behaviorFactory.getSetPlay();
        setPlay.behave(modeling);
        movementRequest = setPlay.getMovementRequest();
        beamRequest = setPlay.getBeamRequest();
        break;
    }
    }
}

} // namespace role
} // namespace decision_making
