#include "decision_making/behavior/SetPlay.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"

#include <iostream>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using marlowinds_lib::math::Vector3;
using modeling::PlayMode;

} // namespace

void SetPlay::behave(modeling::Modeling& modeling) {
    switch (modeling.getWorldModel().getPlayMode()) {
    case PlayMode::BEFORE_KICK_OFF:
        beamBy(*factory->getBeforeKickOffSetPlay(), modeling);
        break;
    case PlayMode::OWN_GOAL:
        beamBy(*factory->getOwnGoalSetPlay(), modeling);
        break;
    case PlayMode::THEIR_GOAL:
        beamBy(*factory->getOpponentGoalSetPlay(), modeling);
        break;
    case PlayMode::OWN_KICK_OFF:
        moveBy(*factory->getOwnKickOffSetPlay(), modeling);
        break;
    case PlayMode::THEIR_KICK_OFF:
        moveBy(*factory->getOpponentKickOffSetPlay(), modeling);
        break;
    case PlayMode::OWN_KICK_IN:
        moveBy(*factory->getOwnKickInSetPlay(), modeling);
        break;
    case PlayMode::THEIR_KICK_IN:
        moveBy(*factory->getOpponentKickInSetPlay(), modeling);
        break;
    case PlayMode::OWN_CORNER_KICK:
        moveBy(*factory->getOwnCornerKickSetPlay(), modeling);
        break;
    case PlayMode::THEIR_CORNER_KICK:
        moveBy(*factory->getOpponentCornerKickSetPlay(), modeling);
        break;
    case PlayMode::OWN_GOAL_KICK:
        moveBy(*factory->getOwnGoalKickSetPlay(), modeling);
        break;
    case PlayMode::THEIR_GOAL_KICK:
        moveBy(*factory->getOpponentGoalKickSetPlay(), modeling);
        break;
    case PlayMode::OWN_OFFSIDE:
        moveBy(*factory->getOwnOffsideSetPlay(), modeling);
        break;
    case PlayMode::THEIR_OFFSIDE:
        moveBy(*factory->getOpponentOffsideSetPlay(), modeling);
        break;
    case PlayMode::GAME_OVER:
        moveBy(*factory->getGameOverSetPlay(), modeling);
        break;
    case PlayMode::OWN_FREE_KICK:
    case PlayMode::OWN_DIRECT_FREE_KICK:
        moveBy(*factory->getOwnFreeKickSetPlay(), modeling);
        break;
    case PlayMode::THEIR_FREE_KICK:
    case PlayMode::THEIR_DIRECT_FREE_KICK:
        moveBy(*factory->getOpponentFreeKickSetPlay(), modeling);
        break;
    case PlayMode::NONE:
        std::cout << "Vavo BUG! NONE Set Play" << std::endl;
        break;
    default: // play on and the pass modes belong to the attack; other values name no mode
        break;
    }
}

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

Pose2D SetPlay::poseFromBallTowards(modeling::WorldModel& world, const Vector3<double>& goal, double distance) {
    const Pose2D& ball = world.getBall().getPosition();
    const Vector2<double> towardsGoal = (Vector2<double>(goal.x, goal.y) - ball.translation).normalize();
    // A ball on the centre gives no line.
    if (towardsGoal == Vector2<double>()) {
        return ball;
    }
    return Pose2D((-towardsGoal).angle(), ball.translation + towardsGoal * distance);
}

Vector2<double> SetPlay::theirGoalCentre(modeling::Modeling& modeling) {
    const Vector3<double> goal = modeling.getWorldModel().getTheirGoalPosition();
    return {goal.x, goal.y};
}

void SetPlay::kickTowards(modeling::Modeling& modeling, const Vector2<double>& target) {
    KickBehavior* kick = factory->getKickBehavior();
    kick->setTarget(target);
    kick->behave(modeling);
    movementRequest = kick->getMovementRequest();
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

void SetPlay::takeSetPiece(modeling::Modeling& modeling, const Vector2<double>& target) {
    if (modeling.getWorldModel().selfIsClosestToBall()) {
        kickTowards(modeling, target);
    } else {
        goToDelaunayPositioning(modeling);
    }
}

void SetPlay::moveBy(Behavior& subPlay, modeling::Modeling& modeling) {
    subPlay.behave(modeling);
    movementRequest = subPlay.getMovementRequest();
}

template <typename BeamingPlay> void SetPlay::beamBy(BeamingPlay& subPlay, modeling::Modeling& modeling) {
    subPlay.behave(modeling);
    beamPose = subPlay.getBeamRequest();
}

} // namespace behavior
} // namespace decision_making
