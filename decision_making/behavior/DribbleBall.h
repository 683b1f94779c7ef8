#ifndef DECISION_MAKING_BEHAVIOR_DRIBBLEBALL_H
#define DECISION_MAKING_BEHAVIOR_DRIBBLEBALL_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/potential_field_navigation/PotentialFieldParameters.h"
#include "decision_making/behavior/potential_field_navigation/SoccerPotentialField.h"
#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {

/// Moves the ball with the body rather than kicking it. The direction comes
/// from a potential field of the players near the ball, the field borders and
/// their goal; the agent lines up behind the ball (positioning) and then walks
/// through it along that direction (dribbling), with hysteresis between the two.
class DribbleBall : public Behavior {
public:
    enum DribbleState : int { POSITIONING = 0, DRIBBLING = 1 };

    /// Within this distance (m) of the ball the agent walks through it.
    static constexpr double FOLLOW_LINE_RADIUS = 0.3;
    // Players this close to the ball (m) steer the dribble.
    static constexpr double OPPONENT_INFLUENCE_RADIUS = 2.0;
    static constexpr double TEAMMATE_INFLUENCE_RADIUS = 1.0;

    explicit DribbleBall(BehaviorFactory* factory,
                         const potential_field_navigation::PotentialFieldParameters& parameters =
                             potential_field_navigation::PotentialFieldParameters());

    void behave(modeling::Modeling& modeling) override;

    int getDribbleState() const { return dribbleState; }
    /// The ball is near their end line but outside the goal's width.
    bool checkBallOut(modeling::Modeling& modeling);
    /// The field's pull at the ball's position (not normalised); also kept as the last direction.
    marlowinds_lib::math::Vector2<double> calculateDribbleDirection(const marlowinds_lib::math::Vector2<double>& ball,
                                                                    modeling::Modeling& modeling);
    void updateDribbleState(modeling::Modeling& modeling);
    /// The point this far (m) behind the ball, against the dribble direction.
    marlowinds_lib::math::Vector2<double> calculatePosBehindBall(double distance, modeling::Modeling& modeling);

private:
    void addPlayersNearBall(const marlowinds_lib::math::Vector2<double>& ball,
                            const marlowinds_lib::math::Vector2<double>& goal, modeling::Modeling& modeling);
    void lineUpBehindBall(modeling::Modeling& modeling, double dribbleAngle);

    int dribbleState = POSITIONING;
    marlowinds_lib::math::Vector2<double> lastDribbleDirection;
    potential_field_navigation::SoccerPotentialField field;
};

} // namespace behavior
} // namespace decision_making

#endif
