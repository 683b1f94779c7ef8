#include "decision_making/role/Role.h"

#include "control/WalkRequest.h"
#include "modeling/Modeling.h"

namespace decision_making {
namespace role {

void Role::execute(modeling::Modeling& modeling) {
    reset();
    behaveMovement(modeling);
    behaveSee(modeling);
    behaveSay(modeling);
}

void Role::reset() {
    sayMessage.reset();
    lookRequest.reset();
    movementRequest.reset();
    beamRequest.reset();
    passRequest = false;
}

void Role::behaveSee(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    if (ballLostThreshold == 0.0) {
        // A lone agent, as in a penalty shoot-out, searches more patiently.
        ballLostThreshold = world.getTeammates().empty() ? LONE_BALL_LOST_THRESHOLD : BALL_LOST_THRESHOLD;
    }

    behavior::FocusBall& head = *behaviorFactory.getFocusBall();
    head.behave(modeling);
    lookRequest = head.getLookRequest();

    if (world.getBall().isRelevant()) {
        ballLostCounter = 0.0;
        return;
    }
    ballLostCounter += BALL_LOST_STEP;
    if (ballLostCounter > ballLostThreshold) {
        movementRequest =
            std::make_shared<control::WalkRequest>(marlowinds_lib::math::Pose2D(SEARCH_TURN_SPEED, 0.0, 0.0));
    }
}

void Role::behaveSay(modeling::Modeling& modeling) {
    behavior::Say& say = *behaviorFactory.getSay();
    say.behave(modeling);
    sayMessage = say.getSayMessage();
}

} // namespace role
} // namespace decision_making
