#include "decision_making/behavior/ConductBall.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"

namespace decision_making {
namespace behavior {

void ConductBall::behave(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const marlowinds_lib::math::Pose2D& ball = world.getBall().getPosition();
    FollowLine& line = *factory->getFollowLine();
    line.setLine(ball.rotation - world.getSelf().getPosition().rotation, ball.translation);
    line.behave(modeling);
    movementRequest = line.getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
