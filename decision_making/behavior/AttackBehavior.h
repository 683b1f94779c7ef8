#ifndef DECISION_MAKING_BEHAVIOR_ATTACKBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_ATTACKBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/KickTargetSelector.h"
#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {

/// A field player's play while the ball is in play. The player the team
/// agrees is closest to the ball chooses a kick target and kicks (passing when
/// far from their goal or pressed), dribbles or walks to the ball; every other
/// player takes its role's place. It only chooses: the chosen behaviour of
/// the factory makes the movement request.
class AttackBehavior : public Behavior {
public:
    /// Nearer the ball than this (m), the closest player dribbles rather than walks to it.
    static constexpr double DRIBBLE_RADIUS = 1.0;

    AttackBehavior() = default;
    explicit AttackBehavior(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
    /// The last step kicked as a pass.
    bool getPassRequest() const { return passRequest; }

    /// The closest player may kick: in a penalty near their goal; otherwise
    /// while lining up precisely, or away from their goal with no standing opponent at hand.
    bool isKickable(modeling::Modeling& modeling);
    /// The kick is a pass: far from their goal, or at mid range with an opponent near the ball.
    bool mustPass(modeling::Modeling& modeling);

    void kick(modeling::Modeling& modeling, const marlowinds_lib::math::Vector2<double>& target);
    void dribble(modeling::Modeling& modeling);
    void navigate(modeling::Modeling& modeling);
    void delaunayPositioningFunc(modeling::Modeling& modeling);

    bool isCloseToBall(modeling::Modeling& modeling);
    double getDribbleRatio() const { return 1.0; }

private:
    /// Runs the partner and takes over its movement request.
    void runPartner(Behavior& partner, modeling::Modeling& modeling);

    bool passRequest = false;
    KickTargetSelector kickTargetSelector;
};

} // namespace behavior
} // namespace decision_making

#endif
