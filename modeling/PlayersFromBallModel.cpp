#include "modeling/PlayersFromBallModel.h"

#include "modeling/FieldDescription.h"
#include "modeling/OtherPlayerModel.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>
#include <iostream>
#include <string>
#include <utility>

namespace modeling {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

constexpr double HALF_FIELD_LENGTH = 0.5 * FieldDescription::FIELD_LENGTH;
constexpr double HALF_FIELD_WIDTH = 0.5 * FieldDescription::FIELD_WIDTH;
constexpr double HALF_GOAL_WIDTH = 0.5 * FieldDescription::GOAL_AREA_WIDTH;
/// How far from the side line the corner rules reach.
constexpr double CORNER_LINE = HALF_FIELD_WIDTH - HALF_GOAL_WIDTH;

constexpr double GOALIE_OUT_OF_BOX_PENALTY = 1000.0;
constexpr double FALLEN_PENALTY = 1.5;
/// A fallen agent this close to the ball still counts as being at it.
constexpr double FALLEN_NEAR_BALL_DISTANCE = 0.65;
constexpr double POSITION_PENALTY = 1.0;

// Strings made once: the drawing facade takes them as strings, even when it draws nothing.
const std::string CLOSEST_BUFFER = "modeling/isClosestToBall";
const std::string CLOSEST_LABEL = "Closest";

} // namespace

PlayersFromBallModel::PlayersFromBallModel(int agentNumber, std::string teamName, PlayerDistanceList& teammatesFromBall,
                                           PlayerDistanceList& opponentsFromBall)
    : agentNumber(agentNumber), teamName(std::move(teamName)), heardClosestToBall(NUMBER_OF_PLAYERS, 0),
      teammatesFromBall(teammatesFromBall), opponentsFromBall(opponentsFromBall),
      placeholderOpponent(Pose2D(0.0, 100.0, 100.0), Pose2D(0.0, 0.0, 0.0)) {}

void PlayersFromBallModel::update(bool isFallen, const Pose2D& self, const Pose2D& ball,
                                  const representations::HearData& hearData) {
    selfPosition = self;
    ballPosition = ball;
    fallen = isFallen;

    // The goalkeeper's record carries no vote; the agent's own message counts.
    const int sender = hearData.getUniformNumber();
    if (sender != representations::HearData::GOALIE_NUMBER && hearData.getTeam() == teamName &&
        OtherPlayerModel::isUniformNumber(sender)) {
        heardClosestToBall[static_cast<std::size_t>(sender - 1)] = hearData.getPlayerClosestToBall();
    }

    sortOpponentsFromBall();
    sortTeammatesFromBall();
    syncClosestToBall();
}

void PlayersFromBallModel::syncClosestToBall() {
    int counts[NUMBER_OF_PLAYERS + 1] = {};
    for (const int vote : heardClosestToBall) {
        if (vote >= 1 && vote <= NUMBER_OF_PLAYERS) {
            ++counts[vote];
        }
    }
    // A tie goes to the lowest number; without votes the winner is 1.
    int winner = 1;
    for (int number = 2; number <= NUMBER_OF_PLAYERS; ++number) {
        if (counts[number] > counts[winner]) {
            winner = number;
        }
    }
    if (syncCycle == SYNC_PERIOD - 1) {
        synchronizedClosestToBall = winner;
    }
    syncCycle = (syncCycle + 1) % SYNC_PERIOD;
}

bool PlayersFromBallModel::isBallInOurGoalBox() const {
    return ballPosition.translation.x < FieldDescription::GOAL_AREA_LENGTH - HALF_FIELD_LENGTH &&
           std::fabs(ballPosition.translation.y) < FieldDescription::GOAL_AREA_LENGTH;
}

double PlayersFromBallModel::closestToBallHeuristic(bool isGoalie, bool isFallen, double distance,
                                                    const Vector2<double>& position) const {
    double penalty = 0.0;
    double fallenPenalty = FALLEN_PENALTY;
    if (isGoalie && !isBallInOurGoalBox()) {
        penalty = GOALIE_OUT_OF_BOX_PENALTY;
        fallenPenalty = GOALIE_OUT_OF_BOX_PENALTY + FALLEN_PENALTY;
    }
    if (isFallen && distance > FALLEN_NEAR_BALL_DISTANCE) {
        penalty = fallenPenalty;
    }

    const Vector2<double>& ball = ballPosition.translation;
    if (std::fabs(ball.y) > HALF_GOAL_WIDTH) {
        const double cornerY = ball.y > 0.0 ? HALF_FIELD_WIDTH : -HALF_FIELD_WIDTH;
        if (ball.x < -HALF_FIELD_LENGTH + CORNER_LINE) {
            const Vector2<double> corner(-HALF_FIELD_LENGTH, cornerY);
            if (position.distance(corner) > ball.distance(corner)) {
                penalty += POSITION_PENALTY;
            }
        } else if (ball.x > HALF_FIELD_LENGTH - CORNER_LINE) {
            const Vector2<double> corner(HALF_FIELD_LENGTH, cornerY);
            if (ball.distance(corner) > position.distance(corner)) {
                penalty += POSITION_PENALTY;
            }
        }
    }
    if (position.x > ball.x) {
        penalty += POSITION_PENALTY;
    }
    return penalty;
}

bool PlayersFromBallModel::selfIsClosestToBallPerceived() const {
    if (teammatesFromBall.empty()) {
        return true;
    }
    const double distance = selfPosition.translation.distance(ballPosition.translation);
    const double penalty = closestToBallHeuristic(agentNumber == representations::HearData::GOALIE_NUMBER, fallen,
                                                  distance, selfPosition.translation);
    return teammatesFromBall.front().first >= distance + penalty;
}

bool PlayersFromBallModel::reportNoTeammates() const {
    if (!teammatesFromBall.empty()) {
        return false;
    }
    std::cout << "Error: teammates vector empty" << std::endl;
    return true;
}

bool PlayersFromBallModel::selfIsClosestToBall() {
    const bool closest = reportNoTeammates() || agentNumber == synchronizedClosestToBall;
    utils::roboviz::Roboviz* roboviz = utils::roboviz::Roboviz::getInstance();
    if (closest) {
        roboviz->drawAnnotation(CLOSEST_BUFFER, CLOSEST_LABEL, static_cast<float>(selfPosition.translation.x),
                                static_cast<float>(selfPosition.translation.y), 1.2f);
    }
    // Swapped every call, so that the annotation goes when the agent is no longer closest.
    roboviz->swapBuffers(CLOSEST_BUFFER);
    return closest;
}

bool PlayersFromBallModel::selfIsSecondClosestToBall() {
    if (selfIsClosestToBall()) {
        return false;
    }
    // A single teammate is the closest one, which makes the agent second.
    if (teammatesFromBall.size() < 2) {
        return true;
    }
    return teammatesFromBall[1].first >= selfPosition.translation.distance(ballPosition.translation);
}

representations::OtherPlayer* PlayersFromBallModel::getOpponentClosestFromBall() {
    return opponentsFromBall.empty() ? &placeholderOpponent : opponentsFromBall.front().second;
}

} // namespace modeling
