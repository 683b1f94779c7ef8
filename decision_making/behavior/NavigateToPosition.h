#ifndef DECISION_MAKING_BEHAVIOR_NAVIGATETOPOSITION_H
#define DECISION_MAKING_BEHAVIOR_NAVIGATETOPOSITION_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace decision_making {
namespace behavior {

/// Sends the agent to a pose on the field. Callers set the target and step it
/// every cycle. Far from the target the potential-field navigation steers round
/// the players; near it the agent walks straight at the target pose, slowing
/// down as the remaining error shrinks. All walking behaviours of a role share
/// the factory's one instance, and with it the near/far hysteresis and the
/// one-shot flags.
class NavigateToPosition : public Behavior {
public:
    /// At and beyond this distance (m) the potential field steers.
    static constexpr double FAR_DISTANCE = 1.0;
    /// Once near, the direct walk keeps control until the distance reaches this many times FAR_DISTANCE.
    static constexpr double NEAR_HYSTERESIS = 1.5;

    explicit NavigateToPosition(BehaviorFactory* factory) : Behavior(factory) {}

    /// The pose in the global frame: heading wanted on arrival and position.
    virtual void setTarget(const marlowinds_lib::math::Pose2D& target) { this->target = target; }

    using Behavior::behave;
    /// One step towards the target. Near it the commanded speed is the remaining
    /// distance per second, but never below minimumSpeed (m/s) while any distance remains.
    void behave(modeling::Modeling& modeling, double minimumSpeed);

    /// For the next step only: walk in the precise mode and turn five times faster near the target.
    void setPreciseMode(bool precise) { preciseMode = precise; }
    /// Halves the turn of the next near, precise step, however many steps away that is.
    void setStoppingMode(bool stopping) { stoppingMode = stopping; }

private:
    void walkStraightAt(const marlowinds_lib::math::Pose2D& self, double minimumSpeed);

    bool nearMode = false;
    marlowinds_lib::math::Pose2D target;
    bool preciseMode = false;
    bool stoppingMode = false;
    NavigationHelper navigationHelper;
};

} // namespace behavior
} // namespace decision_making

#endif
