#include "decision_making/behavior/DeadBallBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/positioning/BasicDefensePositioning.h"
#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"
#include "representations/MarlowindsConstants.h"

#include <algorithm>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using modeling::PlayMode;

// How far (m) behind the line of a kick-off the forwards and the midfielders wait.
constexpr int FIRST_FORWARD = 9;
constexpr double FORWARD_SETBACK = 1.5;
constexpr int FIRST_MIDFIELDER = 6;
constexpr double MIDFIELDER_SETBACK = 2.3;
/// The kick-off is kicked this far (m) to the right of their goal's centre.
constexpr double KICK_OFF_SIDEWAYS = 5.0;

} // namespace

DeadBallBehavior::DeadBallBehavior(BehaviorFactory* factory)
    : Behavior(factory), formation(representations::MarlowindsConstants::FORMATION_FOLDER) {}

void DeadBallBehavior::behave(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const auto theirGoal = world.getTheirGoalPosition();
    switch (world.getPlayMode()) {
    case PlayMode::BEFORE_KICK_OFF:
    case PlayMode::OWN_GOAL:
    case PlayMode::THEIR_GOAL: {
        BeamBehavior& beam = *factory->getBeamBehavior();
        beam.behave(modeling);
        beamPose = beam.getBeamRequest();
        break;
    }
    case PlayMode::OWN_KICK_OFF:
        if (world.selfIsClosestToBall()) {
            kickTowards(modeling, Vector2<double>(theirGoal.x, theirGoal.y - KICK_OFF_SIDEWAYS));
        } else {
            goToDelaunayPositioningSaturatedInX(modeling, 0.0);
        }
        break;
    case PlayMode::THEIR_KICK_OFF:
        goToDelaunayPositioningSaturatedInX(modeling, -1.0);
        break;
    case PlayMode::OWN_KICK_IN:
    case PlayMode::OWN_CORNER_KICK:
    case PlayMode::OWN_OFFSIDE:
    case PlayMode::OWN_FREE_KICK:
        takeSetPiece(modeling, Vector2<double>(theirGoal.x, theirGoal.y));
        break;
    case PlayMode::THEIR_KICK_IN:
    case PlayMode::THEIR_CORNER_KICK:
    case PlayMode::THEIR_GOAL_KICK:
    case PlayMode::THEIR_OFFSIDE:
    case PlayMode::THEIR_FREE_KICK:
        defendSetPiece(modeling);
        break;
    case PlayMode::OWN_GOAL_KICK:
        goToDelaunayPositioning(modeling);
        break;
    case PlayMode::GAME_OVER:
    case PlayMode::NONE:
        goToDelaunayPositioningSaturatedInX(modeling, 0.0);
        break;
    default: // play on, the direct free kicks, the pass modes and values that name no mode
        break;
    }
}

void DeadBallBehavior::goToDelaunayPositioning(modeling::Modeling& modeling) {
    NavigateToStaticPosition& formationPlace = *factory->getNavigateToStaticPosition();
    formationPlace.behave(modeling);
    movementRequest = formationPlace.getMovementRequest();
}

void DeadBallBehavior::goToBarrierPositioning(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    walkTo(modeling, SetPlay::poseFromBallTowards(world, world.getOwnGoalPosition(), BARRIER_DISTANCE));
}

void DeadBallBehavior::goToDefensePositioning(modeling::Modeling& modeling) {
    positioning::BasicDefensePositioning defence;
    walkTo(modeling, defence.getAgentPosition(modeling));
}

void DeadBallBehavior::goToDelaunayPositioningSaturatedInX(modeling::Modeling& modeling, double limit) {
    Pose2D place = formation.getAgentPosition(modeling);
    const int number = modeling.getAgentModel().getAgentNumber();
    if (number >= FIRST_FORWARD) {
        place.translation.x = std::min(place.translation.x, limit - FORWARD_SETBACK);
    } else if (number >= FIRST_MIDFIELDER) {
        place.translation.x = std::min(place.translation.x, limit - MIDFIELDER_SETBACK);
    }
    walkTo(modeling, place);
}

void DeadBallBehavior::walkTo(modeling::Modeling& modeling, const Pose2D& target) {
    NavigateToPosition& navigation = *factory->getNavigatePosition();
    navigation.setTarget(target);
    navigation.behave(modeling, TRAVEL_SPEED);
    movementRequest = navigation.getMovementRequest();
}

void DeadBallBehavior::kickTowards(modeling::Modeling& modeling, const Vector2<double>& target) {
    KickBehavior& kick = *factory->getKickBehavior();
    kick.setTarget(target);
    kick.behave(modeling);
    movementRequest = kick.getMovementRequest();
}

void DeadBallBehavior::takeSetPiece(modeling::Modeling& modeling, const Vector2<double>& target) {
    if (modeling.getWorldModel().selfIsClosestToBall()) {
        kickTowards(modeling, target);
    } else {
        goToDelaunayPositioning(modeling);
    }
}

void DeadBallBehavior::defendSetPiece(modeling::Modeling& modeling) {
    if (modeling.getWorldModel().selfIsClosestToBall()) {
        goToBarrierPositioning(modeling);
    } else {
        goToDefensePositioning(modeling);
    }
}

} // namespace behavior
} // namespace decision_making
