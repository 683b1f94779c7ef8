#ifndef DECISION_MAKING_BEHAVIOR_NAVIGATIONHELPER_H
#define DECISION_MAKING_BEHAVIOR_NAVIGATIONHELPER_H

#include "control/WalkMode.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace decision_making {
namespace behavior {

/// The limits of one navigation parameter set, with the turning speed in rad/s.
struct NavigationHelperParams {
    double maxForwardSpeed = 0.0;  // m/s
    double maxBackwardSpeed = 0.0; // m/s, a magnitude
    double maxSideSpeed = 0.0;     // m/s
    double maxAngularSpeed = 0.0;  // rad/s
    double angleBandwidth = 0.0;   // 1/s, gain of the heading controller

    /// The navigation set that the walk mode walks with; STOP, which keeps
    /// whatever set the walk has, and SPRINT_TURN take the normal one.
    static NavigationHelperParams getDefaultParams(control::WalkMode mode);
};

/// The velocity limiter and heading controller that the walking behaviours
/// share. It reads the navigation sets at every call, since they are loaded
/// from their files after the behaviours are built.
class NavigationHelper {
public:
    /// The velocity within the limits of the mode's set. Turning takes its
    /// share first: at the set's full turning speed no translation is left.
    /// The translation keeps its direction and is cut to the set's speed in
    /// that direction (forward or backward plus sideways).
    marlowinds_lib::math::Pose2D saturateWalkVelocity(const marlowinds_lib::math::Pose2D& velocity,
                                                      control::WalkMode mode) const;

    /// Turning speed (rad/s) that brings the current heading to the target the
    /// short way, with the gain and limit of the turn set whatever the walk mode.
    double controlAngle(double target, double current) const;
};

} // namespace behavior
} // namespace decision_making

#endif
