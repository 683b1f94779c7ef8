#ifndef DECISION_MAKING_BEHAVIOR_GOALIEBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_GOALIEBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "modeling/FieldDescription.h"

namespace decision_making {
namespace behavior {

/// The goalkeeper: a small state machine, re-evaluated every cycle, that guards
/// in front of the own goal, dives at a shot passing beside it, walks to a ball
/// close to the goal, clears a resting ball far up the field when no opponent
/// is near, and takes the own goal kick. It beams and looks through others.
class GoalieBehavior : public Behavior {
public:
    enum State : int {
        DIVE = 0,
        HOCKEY = 1,
        IDLE = 2,
        LONG_KICK = 3,
        GO_TO_BALL = 4,
        GUARD = 5,
        OWN_GOAL_KICK = 6,
    };

    /// An opponent nearest the ball at least this far (m) from the own goal counts as far.
    static constexpr double FAR_OPPONENT_DISTANCE = 5.0;
    /// Cycles the opponent must have stayed far before a long kick.
    static constexpr int FAR_OPPONENT_CYCLES = 50;
    /// A long kick needs the ball nearer (m) than this and slower (m/s) than that.
    static constexpr double LONG_KICK_BALL_DISTANCE = 0.5;
    static constexpr double LONG_KICK_BALL_SPEED = 0.2;
    /// The goalkeeper walks to a ball nearer (m) the own goal's centre than this.
    static constexpr double GO_TO_BALL_DISTANCE = 0.2 + modeling::FieldDescription::PENALTY_AREA_LENGTH;
    // A dive needs a fast ball between these distances (m) from the own goal's centre.
    static constexpr double DIVE_FAR_DISTANCE = 3.5 * modeling::FieldDescription::PENALTY_AREA_LENGTH;
    static constexpr double DIVE_NEAR_DISTANCE = 0.4 * modeling::FieldDescription::PENALTY_AREA_LENGTH;
    static constexpr double DIVE_BALL_SPEED = 4.0;
    /// A ball crossing the goal line nearer (m) the goalkeeper than this hits it anyway.
    static constexpr double DIVE_MISS_DISTANCE = 0.3 * modeling::FieldDescription::GOAL_AREA_WIDTH;
    /// The guard slides on the circle of this radius (m) round the own goal's centre ...
    static constexpr double GUARD_RADIUS = 0.5 * modeling::FieldDescription::GOAL_AREA_WIDTH;
    /// ... standing this far (m) in front of the goal's centre.
    static constexpr double GUARD_OFFSET = 0.3;

    /// The own goal kick is taken from here (m) ...
    static constexpr double GOAL_KICK_SPOT_X = -14.0;
    /// ... once the goalkeeper stands this near (m).
    static constexpr double GOAL_KICK_SPOT_TOLERANCE = 0.5;
    /// The least speed (m/s) of the walks to the ball and to the guard pose.
    static constexpr double TRAVEL_SPEED = 0.9;

    GoalieBehavior() = default;
    explicit GoalieBehavior(BehaviorFactory* factory) : Behavior(factory) {}

    /// One cycle: changeStates, then perform.
    void behave(modeling::Modeling& modeling) override;

    /// The distances and the far-opponent count, then the transition, which the
    /// own goal kick mode overrides.
    void changeStates(modeling::Modeling& modeling);
    void calculateParameters(modeling::Modeling& modeling);
    /// Only without teammates: a fast shot towards the own goal that would pass the goalkeeper.
    bool evaluateDive(modeling::Modeling& modeling);
    bool evaluateLongKick(modeling::Modeling& modeling);
    bool shouldGoToBall(modeling::Modeling& modeling);
    /// GUARD_OFFSET in front of the own goal's centre, level with the point
    /// GUARD_RADIUS from that centre towards the ball; facing up the field.
    marlowinds_lib::math::Pose2D calculatePosition(modeling::Modeling& modeling);
    /// The movement request of the current state; none when idle.
    void perform(modeling::Modeling& modeling);
    /// Walks to the goal kick spot, and kicks towards the centre spot from there.
    void ourGoalKick(modeling::Modeling& modeling);

    /// A State; any other value leads to GUARD in the next cycle.
    int getState() const { return state; }

protected:
    /// Starts guarding, so that the first cycle runs every check.
    int state = GUARD;

private:
    /// Stepping the partner takes its movement request.
    void moveBy(Behavior& partner, modeling::Modeling& modeling);
    void kickToCentreSpot(modeling::Modeling& modeling);
    void walkTo(modeling::Modeling& modeling, const marlowinds_lib::math::Pose2D& target);

    marlowinds_lib::math::Vector3<double> ownGoalCentre;
    double ballToGoalDistance = 0.0;
    double selfToBallDistance = 0.0;
    double opponentToGoalDistance = 0.0;
    /// Consecutive cycles in which the opponent nearest the ball stayed far from the own goal.
    int farOpponentCycles = 0;
};

} // namespace behavior
} // namespace decision_making

#endif
