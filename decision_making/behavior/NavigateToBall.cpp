#include "decision_making/behavior/NavigateToBall.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"

namespace decision_making {
namespace behavior {

namespace {
/// Least walking speed (m/s), so that the agent does not slow down at the ball.
constexpr double MINIMUM_SPEED = 0.9;
} // namespace

void NavigateToBall::behave(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const auto& ball = world.getBall().getPosition().translation;
    const auto& self = world.getSelf().getPosition().translation;
    NavigateToPosition& navigation = *factory->getNavigatePosition();
    navigation.setTarget(marlowinds_lib::math::Pose2D((ball - self).angle(), ball));
    navigation.behave(modeling, MINIMUM_SPEED);
    movementRequest = navigation.getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
