#include "decision_making/behavior/GoalieBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "modeling/Modeling.h"
#include "utils/roboviz/Roboviz.h"

#include <cmath>
#include <string>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

Vector2<double> planar(const marlowinds_lib::math::Vector3<double>& point) { return {point.x, point.y}; }

const std::string GOAL_KICK_BUFFER = "decision_making/behavior/ownGoalKick";

} // namespace

void GoalieBehavior::behave(modeling::Modeling& modeling) {
    movementRequest.reset();
    changeStates(modeling);
    perform(modeling);
}

void GoalieBehavior::changeStates(modeling::Modeling& modeling) {
    calculateParameters(modeling);
    switch (state) {
    case DIVE:
    case HOCKEY:
        state = evaluateDive(modeling) ? DIVE : shouldGoToBall(modeling) ? GO_TO_BALL : GUARD;
        break;
    case LONG_KICK:
        state = evaluateLongKick(modeling) ? LONG_KICK : shouldGoToBall(modeling) ? GO_TO_BALL : GUARD;
        break;
    case GO_TO_BALL:
    case GUARD:
        state = evaluateDive(modeling)       ? DIVE
                : evaluateLongKick(modeling) ? LONG_KICK
                : shouldGoToBall(modeling)   ? GO_TO_BALL
                                             : GUARD;
        break;
    default:
        state = GUARD;
        break;
    }
    if (modeling.getWorldModel().getPlayMode() == modeling::PlayMode::OWN_GOAL_KICK) {
        state = OWN_GOAL_KICK;
    }
}

void GoalieBehavior::calculateParameters(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    ownGoalCentre = world.getOwnGoalPosition();
    const Vector2<double> goal = planar(ownGoalCentre);
    const Vector2<double> ball = world.getBall().getPosition().translation;
    ballToGoalDistance = ball.distance(goal);
    selfToBallDistance = ball.distance(world.getSelf().getPosition().translation);
    opponentToGoalDistance = world.getOpponentClosestFromBall()->getPosition().translation.distance(goal);
    farOpponentCycles = opponentToGoalDistance >= FAR_OPPONENT_DISTANCE ? farOpponentCycles + 1 : 0;
}

bool GoalieBehavior::evaluateDive(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    if (!world.getTeammates().empty()) {
        return false;
    }
    representations::Ball& ball = world.getBall();
    const Vector2<double> position = ball.getPosition().translation;
    const Vector2<double> velocity = ball.getVelocity().translation;
    const Vector2<double> self = world.getSelf().getPosition().translation;
    if (!(ballToGoalDistance < DIVE_FAR_DISTANCE && velocity.x < 0.0 && std::fabs(self.x) > std::fabs(position.x) &&
          velocity.norm() > DIVE_BALL_SPEED && ball.isRelevant())) {
        return false;
    }
    // Where the ball crosses the goal line.
    const double timeToGoalLine = (std::fabs(ownGoalCentre.x) - std::fabs(position.x)) / std::fabs(velocity.x);
    const double crossingY = position.y + velocity.y * timeToGoalLine;
    return std::fabs(self.y - crossingY) >= DIVE_MISS_DISTANCE && ballToGoalDistance > DIVE_NEAR_DISTANCE;
}

bool GoalieBehavior::evaluateLongKick(modeling::Modeling& modeling) {
    return selfToBallDistance < LONG_KICK_BALL_DISTANCE &&
           modeling.getWorldModel().getBall().getVelocity().translation.norm() < LONG_KICK_BALL_SPEED &&
           selfToBallDistance > 0.0 && farOpponentCycles >= FAR_OPPONENT_CYCLES;
}

bool GoalieBehavior::shouldGoToBall(modeling::Modeling& modeling) {
    return ballToGoalDistance < GO_TO_BALL_DISTANCE && selfToBallDistance > 0.0 &&
           !modeling.getAgentModel().hasFallenSide();
}

Pose2D GoalieBehavior::calculatePosition(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> goal = planar(world.getOwnGoalPosition());
    const Vector2<double> towardsBall = (world.getBall().getPosition().translation - goal).normalize();
    // A ball on the goal's centre gives no direction: guard the centre then.
    return Pose2D(0.0, goal.x + GUARD_OFFSET, goal.y + GUARD_RADIUS * towardsBall.y);
}

void GoalieBehavior::perform(modeling::Modeling& modeling) {
    switch (state) {
    case DIVE:
        moveBy(*factory->getKeep(), modeling);
        break;
    case HOCKEY:
        moveBy(*factory->getHockeyBehavior(), modeling);
        break;
    case LONG_KICK:
        kickToCentreSpot(modeling);
        break;
    case GO_TO_BALL:
        walkTo(modeling, modeling.getWorldModel().getBall().getPosition());
        break;
    case GUARD:
        walkTo(modeling, calculatePosition(modeling));
        break;
    case OWN_GOAL_KICK:
        ourGoalKick(modeling);
        break;
    default: // idle
        break;
    }
}

void GoalieBehavior::ourGoalKick(modeling::Modeling& modeling) {
    const Pose2D spot(0.0, GOAL_KICK_SPOT_X, 0.0);
    const Vector2<double>& self = modeling.getWorldModel().getSelf().getPosition().translation;
    if (self.distance(spot.translation) <= GOAL_KICK_SPOT_TOLERANCE) {
        kickToCentreSpot(modeling);
        return;
    }
    utils::roboviz::Roboviz* drawing = utils::roboviz::Roboviz::getInstance();
    drawing->drawLine(GOAL_KICK_BUFFER, static_cast<float>(self.x), static_cast<float>(self.y), 0.0f,
                      static_cast<float>(spot.translation.x), static_cast<float>(spot.translation.y), 0.0f);
    drawing->swapBuffers(GOAL_KICK_BUFFER);
    walkTo(modeling, spot);
}

void GoalieBehavior::moveBy(Behavior& partner, modeling::Modeling& modeling) {
    partner.behave(modeling);
    movementRequest = partner.getMovementRequest();
}

void GoalieBehavior::kickToCentreSpot(modeling::Modeling& modeling) {
    KickBehavior* kick = factory->getKickBehavior();
    kick->setTarget(Vector2<double>());
    moveBy(*kick, modeling);
}

void GoalieBehavior::walkTo(modeling::Modeling& modeling, const Pose2D& target) {
    NavigateToPosition* navigation = factory->getNavigatePosition();
    navigation->setTarget(target);
    navigation->behave(modeling, TRAVEL_SPEED);
    movementRequest = navigation->getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
