#include "decision_making/behavior/CircleBall.h"

#include "control/WalkRequest.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"

#include <cmath>
#include <memory>

namespace decision_making {
namespace behavior {

namespace {

using control::WalkMode;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

constexpr double RADIAL_GAIN = 2.0;
constexpr double GENTLE_RADIAL_GAIN = 1.5;
/// Sideways speed (1/s) per metre of arc to the point behind the ball, times the radius.
constexpr double ARC_GAIN = 2.0;

} // namespace

CircleBall::CircleBall(BehaviorFactory* factory, double radius, double angleThreshold, double radialTolerance)
    : Behavior(factory), angleThreshold(angleThreshold), radialTolerance(radialTolerance), circleRadius(radius) {}

void CircleBall::facing(double heading) {
    facingHeading = heading;
    facingRequested = true;
}

void CircleBall::behave(modeling::Modeling& modeling) { step(modeling, RADIAL_GAIN, 0.0); }

void CircleBall::behave(modeling::Modeling& modeling, double minimumSpeed) {
    step(modeling, GENTLE_RADIAL_GAIN, minimumSpeed);
}

Pose2D CircleBall::getCircleBallPose(const Vector2<double>& ball) const {
    return Pose2D(dribbleDirection,
                  ball - Vector2<double>(std::cos(dribbleDirection), std::sin(dribbleDirection)) * circleRadius);
}

void CircleBall::step(modeling::Modeling& modeling, double radialGain, double minimumSpeed) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const Vector2<double> ball = world.getBall().getPosition().translation;
    const Pose2D& self = world.getSelf().getPosition();
    const double bearing = (ball - self.translation).angle();

    Pose2D velocity;
    // Signed: a ball anywhere to the right is circled at once, one to the left only within the threshold.
    if (MathUtils::normalizeAngle(bearing - self.rotation) < MathUtils::degreesToRadians(angleThreshold)) {
        const Vector2<double> towardBall = (ball - self.translation).normalize();
        const double radialError = (ball - towardBall * circleRadius - self.translation).dot(towardBall);
        velocity.translation.x = radialGain * radialError;
        if (std::fabs(radialError) < radialTolerance) {
            const Vector2<double> behindBall(-circleRadius * std::cos(dribbleDirection),
                                             -circleRadius * std::sin(dribbleDirection));
            const double arc = MathUtils::normalizeAngle(behindBall.angle() - (self.translation - ball).angle());
            velocity.translation.y = -ARC_GAIN * circleRadius * arc;
        }
    }
    velocity = navigationHelper.saturateWalkVelocity(velocity, WalkMode::CIRCLE);
    // The kick approach asks to face its kick heading once lined up; that steers the gentle step too.
    velocity.rotation = navigationHelper.controlAngle(facingRequested ? facingHeading : bearing, self.rotation);
    facingRequested = false;

    const double speed = velocity.translation.norm();
    if (speed > 0.0 && speed < minimumSpeed) {
        velocity.translation *= minimumSpeed / speed;
    }
    movementRequest = std::make_shared<control::WalkRequest>(velocity, WalkMode::CIRCLE);
}

} // namespace behavior
} // namespace decision_making
