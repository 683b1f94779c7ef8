#include "decision_making/behavior/KickBehavior.h"

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

/// Correcting that stays farther than this (m) from the pose for RETURN_TIME (s) gives up.
constexpr double RETURN_DISTANCE = 0.07;
constexpr double RETURN_TIME = 0.5;
// Beyond these the agent is not yet behind the ball.
constexpr double ROTATE_ANGLE = 0.05;    // radians
constexpr double ROTATE_DISTANCE = 0.04; // metres
// Within these the pose is kicked from.
constexpr double POSITION_TOLERANCE = 0.003;               // metres, in x and in y
constexpr double HEADING_TOLERANCE = 0.008726646259971648; // radians, half a degree
/// Nearer than this (radians) to behind the ball, circling turns to the kick's heading.
constexpr double FACING_ANGLE = 0.4;
/// The approach from the far side of the ball ends beside it, this many circle radii away.
constexpr double BESIDE_BALL_RADII = 1.3;
// Least walking speeds (m/s).
constexpr double APPROACH_SPEED = 0.1;
constexpr double CORRECTION_SPEED = 0.35;

} // namespace

void KickBehavior::setTarget(const Vector2<double>& target) {
    if (state != KICK) {
        this->target = target;
    }
}

void KickBehavior::behave(modeling::Modeling& modeling) {
    updateGeometry(modeling);
    chooseKick(modeling);
    chooseState(modeling);
    preciseMode = false;
    act(modeling);
}

void KickBehavior::updateGeometry(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Pose2D& ball = world.getBall().getPosition();
    const Pose2D& self = world.getSelf().getPosition();
    // With the previous cycle's kick: this cycle's is chosen afterwards.
    const Pose2D relative = RelativeWithTargetExpectedPoseCalculator::calculateExpectedPosition(
        DataToFindExpectedPosition(ball, Pose2D(0.0, target), kickParameters));
    relativeExpectedPosition = relative.translation;
    circleDirection = relativeExpectedPosition.angle() - MathUtils::PI;
    ownOffsetFromBall = self.translation - ball.translation;
    ownHeading = self.rotation;
    expectedPose = Pose2D(relative.rotation, ball.translation + relative.translation);
}

void KickBehavior::chooseKick(modeling::Modeling& modeling) {
    if (state != KICK) {
        kickDistance = target.distance(modeling.getWorldModel().getBall().getPosition().translation);
    }
    const modeling::AgentModel& agent = modeling.getAgentModel();
    currentKick = kickManager.getKick(kickDistance, agent.getAgentNumber(), agent.getRobotType(), 0.0);
    kickParameters = currentKick->getKickParameters();
    // Nothing of the circling survives from one cycle to the next.
    *factory->getCircleBall() = CircleBall(factory, CIRCLE_BALL_RATIO * kickParameters.getRelativeSelfPosition().norm(),
                                           CircleBall::ANGLE_THRESHOLD, CircleBall::RADIAL_TOLERANCE);
}

void KickBehavior::chooseState(modeling::Modeling& modeling) {
    const Pose2D& self = modeling.getWorldModel().getSelf().getPosition();
    const double distance = expectedPose.translation.distance(self.translation);
    if (distance > LONG_DISTANCE_OFFSET || mustReturn(distance)) {
        state = APPROACH;
    } else if ((state == APPROACH || state == ROTATE) && mustRotate(distance)) {
        state = ROTATE;
    } else if (state == KICK) {
        // Kicking goes on until the agent strays from the pose.
    } else if (mustCorrect(self)) {
        state = CORRECT_POSITION;
    } else {
        state = KICK;
    }
}

bool KickBehavior::mustReturn(double distance) {
    if (state != CORRECT_POSITION) {
        returnTimer = 0.0;
        return false;
    }
    if (distance > RETURN_DISTANCE) {
        returnTimer += representations::MarlowindsConstants::SAMPLE_TIME;
        return returnTimer >= RETURN_TIME;
    }
    returnTimer = 0.0;
    return false;
}

double KickBehavior::angleOffThePose() const {
    // Clamped: rounding may take the cosine of aligned vectors past 1.
    const double cosine =
        std::clamp(ownOffsetFromBall.normalize().dot(relativeExpectedPosition.normalize()), -1.0, 1.0);
    return std::acos(cosine);
}

bool KickBehavior::mustRotate(double distance) const {
    return angleOffThePose() > ROTATE_ANGLE || distance > ROTATE_DISTANCE;
}

bool KickBehavior::mustCorrect(const Pose2D& self) const {
    return std::fabs(expectedPose.translation.x - self.translation.x) > POSITION_TOLERANCE ||
           std::fabs(expectedPose.translation.y - self.translation.y) > POSITION_TOLERANCE ||
           std::fabs(MathUtils::normalizeAngle(expectedPose.rotation - self.rotation)) > HEADING_TOLERANCE;
}

void KickBehavior::act(modeling::Modeling& modeling) {
    NavigateToPosition& navigation = *factory->getNavigatePosition();
    CircleBall& circle = *factory->getCircleBall();
    switch (state) {
    case APPROACH: {
        const Vector2<double> ball = modeling.getWorldModel().getBall().getPosition().translation;
        const Vector2<double> self = modeling.getWorldModel().getSelf().getPosition().translation;
        if (ball.x > self.x) {
            navigation.setTarget(expectedPose);
        } else {
            // From level with the ball or beyond it, first beside it on the agent's side.
            const double side = self.y > ball.y ? 1.0 : -1.0;
            navigation.setTarget(Pose2D(ownHeading, ball.x, ball.y + side * BESIDE_BALL_RADII * circle.getRadius()));
        }
        navigation.behave(modeling, APPROACH_SPEED);
        movementRequest = navigation.getMovementRequest();
        break;
    }
    case ROTATE:
        circle.setDribbleDirection(circleDirection);
        if (angleOffThePose() < FACING_ANGLE) {
            circle.facing(expectedPose.rotation);
        }
        circle.behave(modeling, APPROACH_SPEED);
        movementRequest = circle.getMovementRequest();
        break;
    case CORRECT_POSITION:
        navigation.setTarget(expectedPose);
        preciseMode = true;
        navigation.setPreciseMode(true);
        navigation.behave(modeling, CORRECTION_SPEED);
        movementRequest = navigation.getMovementRequest();
        break;
    default:
        currentKick->behave(modeling);
        movementRequest = currentKick->getMovementRequest();
        break;
    }
}

} // namespace behavior
} // namespace decision_making
