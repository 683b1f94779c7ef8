#ifndef DECISION_MAKING_BEHAVIOR_POTENTIALFIELDNAVIGATION_H
#define DECISION_MAKING_BEHAVIOR_POTENTIALFIELDNAVIGATION_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "decision_making/behavior/potential_field_navigation/SoccerPotentialField.h"
#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {

/// Walks towards a target position along a potential field that steers round
/// the players close to the agent, sprinting and turning to face the way it goes.
class PotentialFieldNavigation : public Behavior {
public:
    using Vector2 = marlowinds_lib::math::Vector2<double>;

    /// Only players this close to the agent (m) take part in the field.
    static constexpr double OPPONENT_INFLUENCE_RADIUS = 1.0;
    static constexpr double TEAMMATE_INFLUENCE_RADIUS = 0.5;
    /// Within this distance (m) of their goal the player closest to the ball
    /// goes straight at its target, through the players.
    static constexpr double STRAIGHT_TO_GOAL_DISTANCE = 3.0;

    explicit PotentialFieldNavigation(BehaviorFactory* factory,
                                      const potential_field_navigation::PotentialFieldParameters& parameters =
                                          potential_field_navigation::PotentialFieldParameters());

    /// The position (global frame) that the next steps walk to.
    void setTarget(const Vector2& target) { this->target = target; }
    /// One step towards the target: a sprint walk request in the robot's frame.
    void behave(modeling::Modeling& modeling) override;

    /// The field at the agent's position: the target's pull and the push of the players near it.
    Vector2 calculateFieldDirection(const Vector2& position, modeling::Modeling& modeling);

private:
    NavigationHelper navigationHelper;
    Vector2 target;
    potential_field_navigation::SoccerPotentialField field;
};

} // namespace behavior
} // namespace decision_making

#endif
