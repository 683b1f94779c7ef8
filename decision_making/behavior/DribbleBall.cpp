#include "decision_making/behavior/DribbleBall.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldDescription.h"
#include "modeling/Modeling.h"
#include "representations/NavigationParams.h"

#include <algorithm>
#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using modeling::FieldDescription;

constexpr double HALF_GOAL_WIDTH = FieldDescription::GOAL_AREA_WIDTH / 2.0;
/// Nearer their goal (m) the players no longer steer the dribble.
constexpr double PLAYERS_IGNORED_NEAR_GOAL = 5.0;
/// Nearer their goal (m) the pull aims behind the goal line, by the difference.
constexpr double AIM_BEHIND_GOAL_WITHIN = 3.0;
/// Nearer their goal (m) the goal pulls three times as hard.
constexpr double STRONG_PULL_WITHIN = 2.0;
/// The ball counts as going out within this distance (m) of their end line.
constexpr double BALL_OUT_MARGIN = 2.0;
/// How far behind the ball (m) the agent runs to before walking through it.
constexpr double BEHIND_BALL_DISTANCE = 0.06;
/// An opponent nearer the ball (m) contests it.
constexpr double CONTESTED_DISTANCE = 0.9;

// Hysteresis, in radians: the ball's bearing and the agent's heading off the dribble direction.
const double START_BALL_ERROR = MathUtils::degreesToRadians(20.0);
const double START_HEADING_ERROR = MathUtils::degreesToRadians(40.0);
const double STOP_BALL_ERROR = MathUtils::degreesToRadians(30.0);
const double STOP_HEADING_ERROR = MathUtils::degreesToRadians(60.0);
/// Within this distance (m) of the ball a bad heading does not stop the dribble.
constexpr double HEADING_IGNORED_WITHIN = 0.1;

/// The cross product: positive when offset lies to the left of direction.
double cross(const Vector2<double>& direction, const Vector2<double>& offset) {
    return direction.x * offset.y - direction.y * offset.x;
}

Vector2<double> theirGoal(modeling::WorldModel& world) {
    const auto goal = world.getTheirGoalPosition();
    return {goal.x, goal.y};
}

} // namespace

DribbleBall::DribbleBall(BehaviorFactory* factory,
                         const potential_field_navigation::PotentialFieldParameters& parameters)
    : Behavior(factory), field(parameters) {}

Vector2<double> DribbleBall::calculateDribbleDirection(const Vector2<double>& ball, modeling::Modeling& modeling) {
    field.clear();
    const Vector2<double> goal = theirGoal(modeling.getWorldModel());
    if ((goal - ball).norm() > PLAYERS_IGNORED_NEAR_GOAL) {
        addPlayersNearBall(ball, goal, modeling);
    }
    const double distance = ball.distance(goal);
    // In front of their goal the end line is where the ball is to go.
    if (!(std::fabs(ball.y) <= HALF_GOAL_WIDTH && ball.x >= 0.0)) {
        field.addXFieldBorder(ball);
    }
    field.addYFieldBorder(ball);
    Vector2<double> target = goal;
    if (-HALF_GOAL_WIDTH < ball.y && ball.y < HALF_GOAL_WIDTH) {
        target.x += std::max(AIM_BEHIND_GOAL_WITHIN - distance, 0.0);
    }
    const int dipoles = distance < STRONG_PULL_WITHIN ? 3 : 1;
    for (int i = 0; i < dipoles; ++i) {
        field.addTargetDipole(target, 0.0);
    }
    lastDribbleDirection = field.calculateFieldDirection(ball);
    return lastDribbleDirection;
}

void DribbleBall::addPlayersNearBall(const Vector2<double>& ball, const Vector2<double>& goal,
                                     modeling::Modeling& modeling) {
    const Vector2<double> towardGoal = goal - ball;
    modeling::WorldModel& world = modeling.getWorldModel();
    for (const representations::OtherPlayer* opponent : world.getOpponents()) {
        const Vector2<double> position = opponent->getPosition().translation;
        if (position.distance(ball) <= OPPONENT_INFLUENCE_RADIUS) {
            field.addOpponent(position, cross(towardGoal, position - ball) > 0.0);
        }
    }
    for (const representations::OtherPlayer* teammate : world.getTeammates()) {
        const Vector2<double> position = teammate->getPosition().translation;
        if (position.distance(ball) <= TEAMMATE_INFLUENCE_RADIUS) {
            field.addTeammate(position, cross(towardGoal, position - ball) > 0.0);
        }
    }
}

bool DribbleBall::checkBallOut(modeling::Modeling& modeling) {
    const Vector2<double>& ball = modeling.getWorldModel().getBall().getPosition().translation;
    return ball.x > FieldDescription::FIELD_LENGTH / 2.0 - BALL_OUT_MARGIN && std::fabs(ball.y) > HALF_GOAL_WIDTH;
}

Vector2<double> DribbleBall::calculatePosBehindBall(double distance, modeling::Modeling& modeling) {
    const Vector2<double> ball = modeling.getWorldModel().getBall().getPosition().translation;
    const double direction = calculateDribbleDirection(ball, modeling).angle();
    return ball - Vector2<double>(std::cos(direction), std::sin(direction)) * distance;
}

void DribbleBall::updateDribbleState(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> ball = world.getBall().getPosition().translation;
    const Pose2D& self = world.getSelf().getPosition();
    const double direction = calculateDribbleDirection(ball, modeling).angle();
    const double headingError = std::fabs(MathUtils::normalizeAngle(self.rotation - direction));
    const double ballError = std::fabs(MathUtils::normalizeAngle((ball - self.translation).angle() - direction));
    const double distance = self.translation.distance(ball);
    if (dribbleState == POSITIONING) {
        if (distance <= FOLLOW_LINE_RADIUS && ballError < START_BALL_ERROR && headingError < START_HEADING_ERROR) {
            dribbleState = DRIBBLING;
        }
    } else if (distance > FOLLOW_LINE_RADIUS || ballError > STOP_BALL_ERROR ||
               (headingError > STOP_HEADING_ERROR && distance > HEADING_IGNORED_WITHIN)) {
        dribbleState = POSITIONING;
    }
}

void DribbleBall::behave(modeling::Modeling& modeling) {
    updateDribbleState(modeling);
    const Vector2<double> ball = modeling.getWorldModel().getBall().getPosition().translation;
    const double direction = calculateDribbleDirection(ball, modeling).angle();
    if (dribbleState == DRIBBLING) {
        FollowLine& line = *factory->getFollowLine();
        line.setLine(direction, ball);
        line.behave(modeling);
        movementRequest = line.getMovementRequest();
    } else {
        lineUpBehindBall(modeling, direction);
    }
}

void DribbleBall::lineUpBehindBall(modeling::Modeling& modeling, double dribbleAngle) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> ball = world.getBall().getPosition().translation;
    const Vector2<double> self = world.getSelf().getPosition().translation;
    const representations::OtherPlayer& opponent = *world.getOpponentClosestFromBall();
    const bool contested =
        opponent.getPosition().translation.distance(ball) < CONTESTED_DISTANCE && opponent.isRelevant();
    if ((contested && !checkBallOut(modeling)) || self.distance(ball) > FOLLOW_LINE_RADIUS) {
        const Vector2<double> behind = calculatePosBehindBall(BEHIND_BALL_DISTANCE, modeling);
        if (self.x > behind.x) {
            // Ahead of that point: go round to the ball first.
            NavigateToBall& toBall = *factory->getNavigateToBall();
            toBall.behave(modeling);
            movementRequest = toBall.getMovementRequest();
            return;
        }
        NavigateToPosition& navigation = *factory->getNavigatePosition();
        navigation.setTarget(Pose2D((behind - self).angle(), behind));
        navigation.behave(modeling, representations::NavigationParams::getNavigationParams(
                                        control::walking::OmnidirectionalWalkZMParamsType::CONDUCT)
                                        .max_forward_speed);
        movementRequest = navigation.getMovementRequest();
        return;
    }
    // Close to a ball nobody contests, or that is going out: circle to behind it.
    CircleBall& circle = *factory->getCircleBall();
    circle.setDribbleDirection(dribbleAngle);
    circle.behave(modeling);
    movementRequest = circle.getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
