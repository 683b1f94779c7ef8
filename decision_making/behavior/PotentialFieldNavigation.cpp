#include "decision_making/behavior/PotentialFieldNavigation.h"

#include "control/WalkRequest.h"
#include "modeling/Modeling.h"

#include <memory>

namespace decision_making {
namespace behavior {

using marlowinds_lib::math::Pose2D;

PotentialFieldNavigation::PotentialFieldNavigation(
    BehaviorFactory* factory, const potential_field_navigation::PotentialFieldParameters& parameters)
    : Behavior(factory), field(parameters) {}

PotentialFieldNavigation::Vector2 PotentialFieldNavigation::calculateFieldDirection(const Vector2& position,
                                                                                    modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    field.clear();
    field.addTarget(target);

    const auto theirGoal = world.getTheirGoalPosition();
    const bool straightToGoal = position.distance(Vector2(theirGoal.x, theirGoal.y)) <= STRAIGHT_TO_GOAL_DISTANCE &&
                                world.selfIsClosestToBall();
    if (!straightToGoal) {
        const Vector2 path = target - position;
        // A player left of the path swirls the agent past its right side, and the other way round.
        const auto leftOfPath = [&](const Vector2& player) {
            const Vector2 offset = player - position;
            return path.x * offset.y - path.y * offset.x > 0.0;
        };
        for (const representations::OtherPlayer* opponent : world.getOpponents()) {
            const Vector2 place = opponent->getPosition().translation;
            if (place.distance(position) <= OPPONENT_INFLUENCE_RADIUS) {
                field.addOpponent(place, leftOfPath(place));
            }
        }
        for (const representations::OtherPlayer* teammate : world.getTeammates()) {
            const Vector2 place = teammate->getPosition().translation;
            if (place.distance(position) <= TEAMMATE_INFLUENCE_RADIUS) {
                field.addTeammate(place, leftOfPath(place));
            }
        }
    }
    return field.calculateFieldDirection(position);
}

void PotentialFieldNavigation::behave(modeling::Modeling& modeling) {
    const Pose2D& self = modeling.getWorldModel().getSelf().getPosition();
    const Vector2 direction = calculateFieldDirection(self.translation, modeling);
    const double turn = navigationHelper.controlAngle(direction.angle(), self.rotation);
    // The field's strength, not only its direction, is the speed asked for before the limits.
    const Pose2D velocity(turn, direction.rotate(-self.rotation));
    movementRequest = std::make_shared<control::WalkRequest>(
        navigationHelper.saturateWalkVelocity(velocity, control::WalkMode::SPRINT), control::WalkMode::SPRINT);
}

} // namespace behavior
} // namespace decision_making
