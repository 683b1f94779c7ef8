#include "decision_making/behavior/NavigationHelper.h"

#include "marlowinds_lib/control/AngleController.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "representations/NavigationParams.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using control::WalkMode;
using Set = control::walking::OmnidirectionalWalkZMParamsType;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

/// By walk mode: the set of the same name. STOP keeps the walk's current set,
/// and SPRINT_TURN has no navigation set of its own: both take the normal one here.
constexpr std::array<Set, 13> PARAMETER_SET_OF_MODE = {
    Set::NORMAL,      Set::PRECISE,        Set::NORMAL,         Set::CONDUCT,      Set::TURN,
    Set::SPRINT,      Set::CIRCLE,         Set::CONDUCT_TURN,   Set::TURN_CONDUCT, Set::NORMAL,
    Set::TURN_SPRINT, Set::CONDUCT_SPRINT, Set::SPRINT_CONDUCT,
};

Set parameterSetOf(WalkMode mode) {
    const auto index = static_cast<std::size_t>(mode);
    return index < PARAMETER_SET_OF_MODE.size() ? PARAMETER_SET_OF_MODE[index] : Set::NORMAL;
}

} // namespace

NavigationHelperParams NavigationHelperParams::getDefaultParams(WalkMode mode) {
    const representations::NavigationParams& set =
        representations::NavigationParams::getNavigationParams(parameterSetOf(mode));
    return {set.max_forward_speed, set.max_backward_speed, set.max_side_speed,
            MathUtils::degreesToRadians(set.max_angular_speed), set.angle_bandwidth};
}

Pose2D NavigationHelper::saturateWalkVelocity(const Pose2D& velocity, WalkMode mode) const {
    const NavigationHelperParams limits = NavigationHelperParams::getDefaultParams(mode);
    // Not a number for a set that was never loaded: the comparison fails and no translation is left.
    const double turnShare = std::fabs(velocity.rotation) / limits.maxAngularSpeed;
    const double translationShare = turnShare <= 1.0 ? 1.0 - turnShare : 0.0;

    const double speed = velocity.translation.norm();
    const auto direction = velocity.translation.normalize();
    const double forwardLimit =
        direction.x >= 0.0 ? limits.maxForwardSpeed * direction.x : limits.maxBackwardSpeed * -direction.x;
    const double limit = (forwardLimit + limits.maxSideSpeed * std::fabs(direction.y)) * translationShare;

    return Pose2D(MathUtils::saturate(velocity.rotation, -limits.maxAngularSpeed, limits.maxAngularSpeed),
                  direction * std::min(speed, limit));
}

double NavigationHelper::controlAngle(double target, double current) const {
    const NavigationHelperParams turn = NavigationHelperParams::getDefaultParams(WalkMode::TURN);
    return marlowinds_lib::control::AngleController(turn.angleBandwidth, turn.maxAngularSpeed).control(target, current);
}

} // namespace behavior
} // namespace decision_making
