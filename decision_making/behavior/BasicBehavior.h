#ifndef DECISION_MAKING_BEHAVIOR_BASICBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_BASICBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace decision_making {
namespace behavior {

/// A simple field player: the player closest to the ball gets behind it,
/// conducts it towards their goal and kicks when near the goal; every other
/// player takes its role's place. No role runs it; the attack behaviour
/// serves the team instead.
class BasicBehavior : public Behavior {
public:
    enum State : int {
        GET_BEHIND_BALL = 0,
        CONDUCT = 1,
        BACK_OFF = 2,
        TURN_BEHIND_BALL = 3,
        GET_TO_KICK = 4,
        KICK = 5,
        /// Only before the first step as the player closest to the ball.
        START = 6,
    };

    /// The least speed (m/s) of its walks.
    static constexpr double TRAVEL_SPEED = 0.9;

    explicit BasicBehavior(BehaviorFactory* factory = nullptr) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;

    /// Recomputes the poses round the ball, then moves the state on.
    void changeBasicBehaviorState(modeling::Modeling& modeling);
    /// The movement request of the current state.
    void perform(modeling::Modeling& modeling);
    /// Behind the ball on its way to their goal (or on the agent's way there
    /// when the ball is near the goal), facing the goal.
    marlowinds_lib::math::Pose2D calculateBehindBallPosition(modeling::Modeling& modeling);
    /// As the behind-ball pose, farther back.
    marlowinds_lib::math::Pose2D calculateSafePosition(modeling::Modeling& modeling);
    /// Where the kick is played from, facing their goal.
    marlowinds_lib::math::Pose2D calculateKickingPosition(modeling::Modeling& modeling);
    /// The direction (radians) from the ball to their goal's centre.
    double calculateTargetAngle(modeling::Modeling& modeling);

    int getState() const { return state; }

protected:
    int state = START;

private:
    marlowinds_lib::math::Pose2D behindBallFrom(modeling::Modeling& modeling, double distance);
    void walkTo(modeling::Modeling& modeling, const marlowinds_lib::math::Pose2D& target);

    marlowinds_lib::math::Pose2D behindBallPose;
    marlowinds_lib::math::Pose2D safePose;
    marlowinds_lib::math::Pose2D kickingPose;
    /// From the agent to the behind-ball pose (m).
    double distanceBehindBall = 0.0;
    /// The agent's heading minus the direction to their goal (radians).
    double headingError = 0.0;
    /// Server time (s) at which the agent last stood getting to the kick.
    double kickStartTime = 0.0;
};

} // namespace behavior
} // namespace decision_making

#endif
