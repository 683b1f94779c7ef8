#include "decision_making/behavior/NavigateToPosition.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"

#include <memory>

namespace decision_making {
namespace behavior {

using control::WalkMode;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

namespace {

constexpr double PRECISE_TURN_GAIN = 5.0;
constexpr double STOPPING_TURN_FACTOR = 0.5;

} // namespace

void NavigateToPosition::behave(modeling::Modeling& modeling, double minimumSpeed) {
    const Pose2D& self = modeling.getWorldModel().getSelf().getPosition();
    const double distance = target.translation.distance(self.translation);
    nearMode = distance < FAR_DISTANCE || (nearMode && distance < NEAR_HYSTERESIS * FAR_DISTANCE);
    if (nearMode) {
        walkStraightAt(self, minimumSpeed);
    } else {
        PotentialFieldNavigation& field = *factory->getPotentialFieldNavigationBehavior();
        field.setTarget(target.translation);
        field.behave(modeling);
        movementRequest = field.getMovementRequest();
    }
    preciseMode = false;
}

void NavigateToPosition::walkStraightAt(const Pose2D& self, double minimumSpeed) {
    // The remaining error is the velocity: a gain of 1/s. The heading error is
    // wrapped, so the agent turns the short way.
    Pose2D velocity(MathUtils::normalizeAngle(target.rotation - self.rotation),
                    (target.translation - self.translation).rotate(-self.rotation));
    const double speed = velocity.translation.norm();
    if (speed > 0.0 && speed < minimumSpeed) {
        const double stretch = minimumSpeed / speed;
        velocity.rotation *= stretch;
        velocity.translation *= stretch;
    }
    // The sprint set limits the step whatever mode the walk is asked for.
    velocity = navigationHelper.saturateWalkVelocity(velocity, WalkMode::SPRINT);
    if (!preciseMode) {
        movementRequest = std::make_shared<control::WalkRequest>(velocity, WalkMode::SPRINT);
        return;
    }
    // Scaled after the limits: a precise step may turn faster than the set allows.
    velocity.rotation *= PRECISE_TURN_GAIN;
    if (stoppingMode) {
        velocity.rotation *= STOPPING_TURN_FACTOR;
        stoppingMode = false;
    }
    movementRequest = std::make_shared<control::WalkRequest>(velocity, WalkMode::PRECISE);
}

} // namespace behavior
} // namespace decision_making
