#include "decision_making/behavior/DataExtractionBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/behavior/kick_behavior/RelativeWithTargetExpectedPoseCalculator.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"
#include "representations/MarlowindsConstants.h"

#include <algorithm>
#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using kick_behavior::DataToFindExpectedPosition;
using kick_behavior::RelativeWithTargetExpectedPoseCalculator;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

/// Beyond this angle (radians) at the ball the agent is not yet behind it.
constexpr double ROTATE_ANGLE = 0.05;
/// A ball this far (m) from the agent while waiting for the kick has gone.
constexpr double BALL_GONE_DISTANCE = 1.8;
/// Cycles of kicking after which the round counts as kicked.
constexpr int KICKING_CYCLES = 4;
/// Cycles the ball is given to roll before the next round.
constexpr int ROLLING_CYCLES = 99;

/// The angle (radians) between the two directions; a zero vector is at a right angle to anything.
double angleBetween(const Vector2<double>& a, const Vector2<double>& b) {
    // Clamped: rounding may take the cosine of aligned vectors past 1.
    return std::acos(std::clamp(a.normalize().dot(b.normalize()), -1.0, 1.0));
}

} // namespace

double distanceToBall(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    return world.getSelf().getPosition().translation.distance(world.getBall().getPosition().translation);
}

void DataExtractionBehavior::behave(modeling::Modeling& modeling) {
    setKick(modeling);
    findState(modeling);
    followDataRounds(modeling);
    switch (kickState) {
    case APPROACH: {
        NavigateToBall& toBall = *factory->getNavigateToBall();
        toBall.behave(modeling);
        movementRequest = toBall.getMovementRequest();
        break;
    }
    case ROTATE: {
        CircleBall& circle = *factory->getCircleBall();
        circle.setDribbleDirection(circlingDirection);
        circle.behave(modeling);
        movementRequest = circle.getMovementRequest();
        break;
    }
    default:
        doKick(modeling);
        break;
    }
}

void DataExtractionBehavior::setKick(modeling::Modeling& modeling) {
    const double distance = target.distance(modeling.getWorldModel().getBall().getPosition().translation);
    const modeling::AgentModel& agent = modeling.getAgentModel();
    selectedKick = kickManager.getKick(distance, agent.getAgentNumber(), agent.getRobotType(), 0.0);
    kickParameters = selectedKick->getKickParameters();
    *factory->getCircleBall() = CircleBall(factory, CIRCLE_BALL_RATIO * kickParameters.getRelativeSelfPosition().norm(),
                                           CircleBall::ANGLE_THRESHOLD, CircleBall::RADIAL_TOLERANCE);
}

void DataExtractionBehavior::findState(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Pose2D& ball = world.getBall().getPosition();
    const Vector2<double>& self = world.getSelf().getPosition().translation;
    const Pose2D relative = RelativeWithTargetExpectedPoseCalculator::calculateExpectedPosition(
        DataToFindExpectedPosition(ball, Pose2D(0.0, target), kickParameters));
    expectedKickPose = Pose2D(relative.rotation, ball.translation + relative.translation);
    circlingDirection = relative.translation.angle() - MathUtils::PI;
    if (self.distance(expectedKickPose.translation) > LONG_DISTANCE_OFFSET) {
        kickState = APPROACH;
    } else if (angleBetween(self - ball.translation, relative.translation) > ROTATE_ANGLE) {
        kickState = ROTATE;
    } else {
        kickState = KICK;
    }
}

void DataExtractionBehavior::doKick(modeling::Modeling& modeling) {
    selectedKick->behave(modeling);
    movementRequest = selectedKick->getMovementRequest();
}

void DataExtractionBehavior::followDataRounds(modeling::Modeling& modeling) {
    dataCounter = kickState == KICK || dataState == BALL_ROLLING ? dataCounter + 1 : 0;
    const double ballDistance = distanceToBall(modeling);
    switch (dataState) {
    case WAITING_FOR_KICK:
        kickWaitTime += representations::MarlowindsConstants::SAMPLE_TIME;
        if (ballDistance > BALL_GONE_DISTANCE || kickWaitTime > DATA_EXTRACTION_MAX_TIME) {
            dataState = WAITING_FOR_BALL;
        } else if (dataCounter > KICKING_CYCLES) {
            dataState = KICKING;
        }
        break;
    case KICKING:
        if (ballDistance > DATA_EXTRACTION_DISTANCE_OFFSET) {
            dataState = BALL_ROLLING;
            dataCounter = 0;
        }
        break;
    case WAITING_FOR_BALL:
        dataCounter = 0;
        if (ballDistance < DATA_EXTRACTION_DISTANCE_OFFSET) {
            dataState = WAITING_FOR_KICK;
            kickWaitTime = 0.0;
        }
        break;
    case BALL_ROLLING:
        if (dataCounter > ROLLING_CYCLES) {
            dataState = WAITING_FOR_BALL;
        }
        break;
    }
}

} // namespace behavior
} // namespace decision_making
