#include "decision_making/positioning/BasicDefensePositioning.h"

#include "modeling/FieldDescription.h"
#include "modeling/Modeling.h"
#include "modeling/PlayerDistances.h"
#include "representations/MarlowindsConstants.h"

#include <cmath>

namespace decision_making {
namespace positioning {

namespace {

using marlowinds_lib::math::Vector2;
using modeling::FieldDescription;

const double FIELD_DIAGONAL = std::hypot(FieldDescription::FIELD_WIDTH, FieldDescription::FIELD_LENGTH);

/// Lower is more dangerous: near the ball, and near the own goal.
double dangerScore(double distanceToBall, double distanceToOwnGoal) {
    return distanceToBall / FieldDescription::FIELD_LENGTH + distanceToOwnGoal / FIELD_DIAGONAL;
}

} // namespace

BasicDefensePositioning::BasicDefensePositioning()
    : formation(representations::MarlowindsConstants::FORMATION_FOLDER) {}

marlowinds_lib::math::Pose2D BasicDefensePositioning::getAgentPosition(modeling::Modeling& modeling) {
    return formation.getAgentPosition(modeling);
}

representations::OtherPlayer* BasicDefensePositioning::chooseOpponent(modeling::Modeling& modeling,
                                                                      int /*agentNumber*/) {
    modeling::WorldModel& world = modeling.getWorldModel();
    modeling::PlayerDistanceList candidates;
    for (const auto& [toBall, opponent] : world.getOpponentsFromBall()) {
        for (const auto& [toGoal, sameOpponent] : world.getOpponentsFromOurGoal()) {
            if (sameOpponent->getId() == opponent->getId()) {
                candidates.emplace_back(dangerScore(toBall, toGoal), sameOpponent);
            }
        }
    }
    modeling::sortByDistance(candidates);

    const Vector2<double> self = world.getSelf().getPosition().translation;
    for (const auto& candidate : candidates) {
        const Vector2<double> opponent = candidate.second->getPosition().translation;
        const double selfDistance = self.distance(opponent);
        for (const representations::OtherPlayer* teammate : world.getTeammates()) {
            if (teammate->getPosition().translation.distance(opponent) > selfDistance) {
                return candidate.second;
            }
        }
    }
    const modeling::PlayerDistanceList& nearestToSelf = world.getOpponentsFromSelf();
    return nearestToSelf.empty() ? nullptr : nearestToSelf.front().second;
}

Vector2<double> BasicDefensePositioning::chosenOpponentMarkingPosition(modeling::Modeling& modeling,
                                                                       const representations::OtherPlayer& opponent) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> ball = world.getBall().getPosition().translation;
    if (opponent.getId() == world.getOpponentClosestFromBall()->getId()) {
        return ball;
    }
    return (ball + opponent.getPosition().translation) * 0.5;
}

} // namespace positioning
} // namespace decision_making
