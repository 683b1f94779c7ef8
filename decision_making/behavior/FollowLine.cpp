#include "decision_making/behavior/FollowLine.h"

#include "control/WalkRequest.h"
#include "modeling/Modeling.h"
#include "representations/NavigationParams.h"

#include <cmath>
#include <memory>

namespace decision_making {
namespace behavior {

using marlowinds_lib::math::Pose2D;

void FollowLine::setLine(double direction, const marlowinds_lib::math::Vector2<double>& point) {
    this->direction = direction;
    a = -std::sin(direction);
    b = std::cos(direction);
    c = std::sin(direction) * point.x - std::cos(direction) * point.y;
}

void FollowLine::behave(modeling::Modeling& modeling) {
    const Pose2D& self = modeling.getWorldModel().getSelf().getPosition();
    // Negative to the left of the line, so that the command steers right, back onto it.
    const double distance = -(a * self.translation.x + b * self.translation.y + c);
    const double forwardSpeed = representations::NavigationParams::getNavigationParams(
                                    control::walking::OmnidirectionalWalkZMParamsType::CONDUCT)
                                    .max_forward_speed;
    Pose2D velocity(0.0, forwardSpeed, sidewaysController.update(distance));
    velocity = navigationHelper.saturateWalkVelocity(velocity, control::WalkMode::CONDUCT);
    velocity.rotation = navigationHelper.controlAngle(direction, self.rotation);
    movementRequest = std::make_shared<control::WalkRequest>(velocity, control::WalkMode::CONDUCT);
}

} // namespace behavior
} // namespace decision_making
