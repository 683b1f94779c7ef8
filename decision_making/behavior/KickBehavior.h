#ifndef DECISION_MAKING_BEHAVIOR_KICKBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_KICKBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/kick_behavior/Kick.h"
#include "decision_making/behavior/kick_behavior/KickManager.h"
#include "decision_making/behavior/kick_behavior/KickParameters.h"
#include "marlowinds_lib/math/Pose2D.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// Takes the agent to the pose from which the chosen kick sends the ball to
/// the target, then plays the kick. Re-decided every cycle from the world
/// model, in four states: approach (walk near the ball), rotate (circle the
/// ball to behind it), correct position (precise steps onto the pose) and
/// kick. Never reset by its users: the next approach starts where the last left off.
class KickBehavior : public Behavior {
public:
    enum State : int { APPROACH = 0, ROTATE = 1, CORRECT_POSITION = 2, KICK = 3 };

    /// Farther than this (m) from the pose to kick from, the agent approaches anew.
    static constexpr double LONG_DISTANCE_OFFSET = 0.6;
    /// The circle round the ball, as a share of the kick pose's distance from the ball.
    static constexpr double CIRCLE_BALL_RATIO = 0.75;

    KickBehavior() = default;
    explicit KickBehavior(BehaviorFactory* factory) : Behavior(factory) {}

    /// The point to kick to (field frame); ignored while kicking.
    void setTarget(const marlowinds_lib::math::Vector2<double>& target);
    void behave(modeling::Modeling& modeling) override;

    int getState() const { return state; }
    /// The last cycle was spent correcting the position just before the kick.
    bool isPreciseMode() const { return preciseMode; }
    kick_behavior::KickParameters getKickParameters() const { return kickParameters; }
    /// The pose to kick from, relative to the ball.
    marlowinds_lib::math::Vector2<double> getRelativeSelfToBallExpectedPosition() const {
        return relativeExpectedPosition;
    }
    double getKickCostValue(modeling::Modeling& /*modeling*/) const { return 0.0; }
    bool hasStartedKick() const { return state == KICK; }

private:
    void updateGeometry(modeling::Modeling& modeling);
    void chooseKick(modeling::Modeling& modeling);
    void chooseState(modeling::Modeling& modeling);
    /// Correcting has failed for long enough, far from the pose.
    bool mustReturn(double distance);
    /// The angle (radians) at the ball between the agent and the pose to kick from.
    double angleOffThePose() const;
    bool mustRotate(double distance) const;
    bool mustCorrect(const marlowinds_lib::math::Pose2D& self) const;
    void act(modeling::Modeling& modeling);

    kick_behavior::KickManager kickManager;
    kick_behavior::KickParameters kickParameters;
    marlowinds_lib::math::Vector2<double> target;
    /// Distance (m) from the ball to the target, frozen while kicking.
    double kickDistance = 0.0;
    int state = ROTATE;
    /// The pose to kick from, field frame.
    marlowinds_lib::math::Pose2D expectedPose;
    marlowinds_lib::math::Vector2<double> relativeExpectedPosition;
    /// From the pose to kick from toward the ball (radians).
    double circleDirection = 0.0;
    double ownHeading = 0.0;
    marlowinds_lib::math::Vector2<double> ownOffsetFromBall;
    bool preciseMode = false;
    std::shared_ptr<kick_behavior::Kick> currentKick;
    /// Seconds spent more than RETURN_DISTANCE from the pose while correcting.
    double returnTimer = 0.0;
};

} // namespace behavior
} // namespace decision_making

#endif
