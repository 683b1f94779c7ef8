#include "decision_making/positioning/DelaunayPositioning.h"

#include "modeling/Modeling.h"
#include "modeling/PlayMode.h"

namespace decision_making {
namespace positioning {

using delaunay_triangulation::DelaunayFormationFactory;
using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;

namespace {

DelaunayFormationFactory::Formation formationOf(int playMode) {
    switch (playMode) {
    case PlayMode::OWN_KICK_IN:
    case PlayMode::OWN_CORNER_KICK:
    case PlayMode::OWN_GOAL_KICK:
    case PlayMode::OWN_OFFSIDE:
    case PlayMode::OWN_FREE_KICK:
        return DelaunayFormationFactory::OUR_BALL_FORMATION;
    case PlayMode::OWN_PASS:
        return DelaunayFormationFactory::PASS_REQUEST_FORMATION;
    case PlayMode::THEIR_KICK_IN:
    case PlayMode::THEIR_CORNER_KICK:
    case PlayMode::THEIR_GOAL_KICK:
    case PlayMode::THEIR_OFFSIDE:
    case PlayMode::THEIR_FREE_KICK:
    case PlayMode::THEIR_PASS:
        return DelaunayFormationFactory::THEIR_BALL_FORMATION;
    default:
        return DelaunayFormationFactory::DEFAULT_FORMATION;
    }
}

} // namespace

DelaunayPositioning::DelaunayPositioning(const std::string& folder) : factory(folder) {}

delaunay_triangulation::DelaunayInterpolator::TeamPositions
DelaunayPositioning::getTeamPosition(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    return factory.getTriangulations()[formationOf(world.getPlayMode())]->interpolate(
        world.getBall().getPosition().translation);
}

Pose2D DelaunayPositioning::getAgentPosition(modeling::Modeling& modeling) {
    // The world model admits uniform numbers 1 to 11 only.
    return Pose2D(0.0, getTeamPosition(modeling).at(modeling.getAgentModel().getAgentNumber() - 1));
}

} // namespace positioning
} // namespace decision_making
