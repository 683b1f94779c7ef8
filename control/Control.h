#ifndef CONTROL_CONTROL_H
#define CONTROL_CONTROL_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/Vector2.h"
#include "representations/NaoJoints.h"

namespace perception {
class Perception;
}
namespace modeling {
class Modeling;
}
namespace decision_making {
class DecisionMaking;
}

namespace control {

/// Motion control as the rest of the agent sees it: once per cycle it turns
/// the decision's movement and look requests into 22 joint speed commands.
class Control {
public:
    virtual ~Control() = default;

    virtual void control(perception::Perception& /*perception*/, modeling::Modeling& /*modeling*/,
                         decision_making::DecisionMaking& /*decisionMaking*/) {}
    /// The walk's odometry of its latest update (the previous cycle when read by modeling).
    virtual walking::OdometryDistribution getWalkOdometry() = 0;
    virtual marlowinds_lib::math::Vector2<double> getCoMVelocity() { return {}; }
    virtual marlowinds_lib::math::Vector2<double> getCoMAcceleration() { return {}; }
    /// The joint speed commands (rad/s) of the cycle's control call.
    virtual representations::NaoJoints& getJointsCommands() = 0;
};

} // namespace control

#endif
