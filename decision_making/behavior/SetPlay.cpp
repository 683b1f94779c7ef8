#include "decision_making/behavior/SetPlay.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"

#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using marlowinds_lib::math::Vector3;

/// The pose the distance away from the ball on the line to the goal's centre,
/// facing the ball. A ball on the centre gives no line: its own pose then.
Pose2D poseFromBallTowards(modeling::WorldModel& world, const Vector3<double>& goal, double distance) {
    const Pose2D& ball = world.getBall().getPosition();
    const Vector2<double> towardsGoal = (Vector2<double>(goal.x, goal.y) - ball.translation).normalize();
    if (towardsGoal == Vector2<double>()) {
        return ball;
    }
    return Pose2D((-towardsGoal).angle(), ball.translation + towardsGoal * distance);
}

} // namespace

void SetPlay::goToDelaunayPositioning(modeling::Modeling& modeling) {
    NavigateToStaticPosition* formationPlace = factory->getNavigateToStaticPosition();
    formationPlace->behave(modeling);
    movementRequest = formationPlace->getMovementRequest();
}

void SetPlay::goToBarrierPositioning(modeling::Modeling& modeling) {
    walkTo(modeling, calculateBarrierPositioning(modeling), TRAVEL_SPEED);
}

void SetPlay::goToReceiverPositioning(modeling::Modeling& modeling) {
    walkTo(modeling, calculateReceiverPositioning(modeling), TRAVEL_SPEED);
}

Pose2D SetPlay::calculateBarrierPositioning(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    return poseFromBallTowards(world, world.getOwnGoalPosition(), BARRIER_DISTANCE);
}

Pose2D SetPlay::calculateReceiverPositioning(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    return poseFromBallTowards(world, world.getTheirGoalPosition(), RECEIVER_DISTANCE);
}

void SetPlay::walkTo(modeling::Modeling& modeling, const Pose2D& target, double minimumSpeed) {
    NavigateToPosition* navigation = factory->getNavigatePosition();
    navigation->setTarget(target);
    navigation->behave(modeling, minimumSpeed);
    movementRequest = navigation->getMovementRequest();
}

void SetPlay::defendSetPiece(modeling::Modeling& modeling) {
    if (modeling.getWorldModel().selfIsClosestToBall()) {
        goToBarrierPositioning(modeling);
    } else {
        goToDelaunayPositioning(modeling);
    }
}

} // namespace behavior
} // namespace decision_making
