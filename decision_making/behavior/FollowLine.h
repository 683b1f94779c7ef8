#ifndef DECISION_MAKING_BEHAVIOR_FOLLOWLINE_H
#define DECISION_MAKING_BEHAVIOR_FOLLOWLINE_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "marlowinds_lib/control/PController.h"
#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {

/// Walks along a line at the conducting walk's full forward speed, steering
/// back onto it sideways and turning to its direction: how the agent runs
/// through the ball.
class FollowLine : public Behavior {
public:
    explicit FollowLine(BehaviorFactory* factory) : Behavior(factory) {}

    /// The line through point in the direction (radians, field frame).
    virtual void setLine(double direction, const marlowinds_lib::math::Vector2<double>& point);

    void behave(modeling::Modeling& modeling) override;

private:
    /// Sideways speed (m/s) from the signed distance to the line (m).
    marlowinds_lib::control::PController sidewaysController{6.283185307179586, 10.0};
    double direction = 0.0;
    // The line as a x + b y + c = 0 with (a, b) its left-hand unit normal.
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    NavigationHelper navigationHelper;
};

} // namespace behavior
} // namespace decision_making

#endif
