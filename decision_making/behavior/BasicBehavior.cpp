#include "decision_making/behavior/BasicBehavior.h"

#include "control/KickRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"
#include "perception/AgentPerception.h"

#include <cmath>
#include <memory>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

// Distances (m).
constexpr double BEHIND_BALL_DISTANCE = 0.2;
constexpr double SAFE_DISTANCE = 0.5;
/// Nearer their goal than this, the agent lines up on its own way to the goal rather than the ball's.
constexpr double BALL_NEAR_GOAL = 2.0;
/// The kick is played from this far behind the ball, and this far to its left.
constexpr double KICKING_SETBACK = 1.0 / 15.0;
constexpr double KICKING_LEFT_OFFSET = 0.04;
constexpr double LINED_UP_DISTANCE = 0.8;
constexpr double LOST_BALL_DISTANCE = 2.0;
constexpr double LOST_KICK_DISTANCE = 1.2;
/// Conducting ahead of the ball by more than this means the agent has passed it.
constexpr double PASSED_BALL_MARGIN = 0.2;
constexpr double KICK_RANGE = 0.4;
constexpr double GOAL_RANGE = 2.0;
constexpr double AT_SAFE_POSE = 0.2;
constexpr double AT_KICKING_POSE = 0.1;
constexpr double OFF_KICKING_POSE = 0.2;
/// Heading error (radians) beyond which the agent turns behind the ball: 10 degrees.
constexpr double HEADING_TOLERANCE = 0.17453292519943295;
/// Seconds at the kicking pose after which a kick that has not sent the ball away gives up.
constexpr double KICK_TIMEOUT = 5.0;

Vector2<double> theirGoalCentre(modeling::WorldModel& world) {
    const auto goal = world.getTheirGoalPosition();
    return {goal.x, goal.y};
}

double globalTime(modeling::Modeling& modeling) {
    const perception::AgentPerception* perception = modeling.getAgentModel().getAgentPerception();
    return perception != nullptr ? perception->getGlobalTime() : 0.0;
}

} // namespace

void BasicBehavior::behave(modeling::Modeling& modeling) {
    movementRequest.reset();
    if (modeling.getWorldModel().selfIsClosestToBall()) {
        changeBasicBehaviorState(modeling);
        perform(modeling);
    } else {
        NavigateToStaticPosition& formationPlace = *factory->getNavigateToStaticPosition();
        formationPlace.behave(modeling);
        movementRequest = formationPlace.getMovementRequest();
    }
}

void BasicBehavior::changeBasicBehaviorState(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Pose2D& self = world.getSelf().getPosition();
    const Vector2<double>& ball = world.getBall().getPosition().translation;
    behindBallPose = calculateBehindBallPosition(modeling);
    safePose = calculateSafePosition(modeling);
    kickingPose = calculateKickingPosition(modeling);
    distanceBehindBall = self.translation.distance(behindBallPose.translation);
    // Normalised: unnormalised, a 10 degree miss across the half turn reads as 350 degrees.
    headingError = MathUtils::normalizeAngle(self.rotation - calculateTargetAngle(modeling));
    const bool facingGoal = std::fabs(headingError) <= HEADING_TOLERANCE;
    const double fromKickingPose = self.translation.distance(kickingPose.translation);

    switch (state) {
    case GET_BEHIND_BALL:
        if (self.translation.x > ball.x) {
            state = BACK_OFF;
        } else if (distanceBehindBall > LINED_UP_DISTANCE) {
            state = GET_BEHIND_BALL;
        } else {
            state = facingGoal ? CONDUCT : TURN_BEHIND_BALL;
        }
        break;
    case CONDUCT:
        if (self.translation.x > ball.x + PASSED_BALL_MARGIN) {
            state = BACK_OFF;
        } else if (distanceBehindBall > LOST_BALL_DISTANCE) {
            state = GET_BEHIND_BALL;
        } else if (distanceBehindBall < KICK_RANGE && self.translation.distance(theirGoalCentre(world)) < GOAL_RANGE) {
            state = GET_TO_KICK;
        }
        break;
    case BACK_OFF:
        if (self.translation.distance(safePose.translation) < AT_SAFE_POSE) {
            state = GET_BEHIND_BALL;
        }
        break;
    case TURN_BEHIND_BALL:
        state = distanceBehindBall <= LOST_BALL_DISTANCE && !facingGoal ? TURN_BEHIND_BALL : GET_BEHIND_BALL;
        break;
    case GET_TO_KICK:
        if (distanceBehindBall > LOST_KICK_DISTANCE) {
            state = GET_BEHIND_BALL;
        } else if (fromKickingPose <= AT_KICKING_POSE) {
            state = KICK;
        }
        kickStartTime = globalTime(modeling);
        break;
    case KICK:
        if (distanceBehindBall > LOST_KICK_DISTANCE) {
            state = GET_BEHIND_BALL;
        } else if (fromKickingPose > OFF_KICKING_POSE) {
            state = GET_TO_KICK;
        } else if (globalTime(modeling) - kickStartTime > KICK_TIMEOUT) {
            state = BACK_OFF;
        }
        break;
    default:
        state = GET_BEHIND_BALL;
        break;
    }
}

void BasicBehavior::perform(modeling::Modeling& modeling) {
    switch (state) {
    case GET_BEHIND_BALL:
    case TURN_BEHIND_BALL: // the behind-ball pose already faces their goal
        walkTo(modeling, behindBallPose);
        break;
    case CONDUCT: {
        ConductBall& conduct = *factory->getConductBall();
        conduct.behave(modeling);
        movementRequest = conduct.getMovementRequest();
        break;
    }
    case BACK_OFF:
        walkTo(modeling, safePose);
        break;
    case GET_TO_KICK:
        walkTo(modeling, kickingPose);
        break;
    case KICK:
        movementRequest = std::make_shared<control::KickRequest>();
        break;
    default:
        state = GET_BEHIND_BALL;
        break;
    }
}

Pose2D BasicBehavior::calculateBehindBallPosition(modeling::Modeling& modeling) {
    return behindBallFrom(modeling, BEHIND_BALL_DISTANCE);
}

Pose2D BasicBehavior::calculateSafePosition(modeling::Modeling& modeling) {
    return behindBallFrom(modeling, SAFE_DISTANCE);
}

Pose2D BasicBehavior::calculateKickingPosition(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double>& ball = world.getBall().getPosition().translation;
    Vector2<double> position = ball - (theirGoalCentre(world) - ball).normalize() * KICKING_SETBACK;
    position.y += KICKING_LEFT_OFFSET;
    return Pose2D(calculateTargetAngle(modeling), position);
}

double BasicBehavior::calculateTargetAngle(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    return (theirGoalCentre(world) - world.getBall().getPosition().translation).angle();
}

Pose2D BasicBehavior::behindBallFrom(modeling::Modeling& modeling, double distance) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> goal = theirGoalCentre(world);
    const Vector2<double>& ball = world.getBall().getPosition().translation;
    const Vector2<double> from =
        goal.distance(ball) > BALL_NEAR_GOAL ? ball : world.getSelf().getPosition().translation;
    return Pose2D(calculateTargetAngle(modeling), ball - (goal - from).normalize() * distance);
}

void BasicBehavior::walkTo(modeling::Modeling& modeling, const Pose2D& target) {
    NavigateToPosition& navigation = *factory->getNavigatePosition();
    navigation.setTarget(target);
    navigation.behave(modeling, TRAVEL_SPEED);
    movementRequest = navigation.getMovementRequest();
}

} // namespace behavior
} // namespace decision_making
