#ifndef DECISION_MAKING_BEHAVIOR_DATAEXTRACTIONBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_DATAEXTRACTIONBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/kick_behavior/Kick.h"
#include "decision_making/behavior/kick_behavior/KickManager.h"
#include "decision_making/behavior/kick_behavior/KickParameters.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// Kicks the ball towards a target over and over, for gathering data about
/// the kicks: it walks to the ball, circles it onto the pose the chosen kick
/// is played from and kicks, while a second state machine beside it follows
/// the rounds of the experiment (ball brought near, kicked, rolling away).
/// No role runs it.
class DataExtractionBehavior : public Behavior {
public:
    enum KickState : int { APPROACH = 0, ROTATE = 1, KICK = 3 };
    enum DataState : int { KICKING = 0, WAITING_FOR_KICK = 1, WAITING_FOR_BALL = 2, BALL_ROLLING = 3 };

    /// Seconds a round waits for its kick before it gives up.
    static constexpr double DATA_EXTRACTION_MAX_TIME = 8.5;
    /// A ball farther (m) than this has left, nearer has been brought.
    static constexpr double DATA_EXTRACTION_DISTANCE_OFFSET = 1.5;
    /// Farther (m) than this from the pose to kick from, the agent walks to the ball.
    static constexpr double LONG_DISTANCE_OFFSET = 1.0;
    /// The circle round the ball, as a share of the kick pose's distance from the ball.
    static constexpr double CIRCLE_BALL_RATIO = 0.85;

    explicit DataExtractionBehavior(BehaviorFactory* factory = nullptr) : Behavior(factory) {}

    /// The point (field frame) to kick to.
    void setTarget(const marlowinds_lib::math::Vector2<double>& target) { this->target = target; }
    void behave(modeling::Modeling& modeling) override;

    /// Chooses the kick by the distance from the ball to the target, and fits the circle round the ball to it.
    void setKick(modeling::Modeling& modeling);
    /// The pose to kick from and the kick state that follows from where the agent stands.
    void findState(modeling::Modeling& modeling);
    /// The selected kick's movement.
    void doKick(modeling::Modeling& modeling);

    /// A KickState.
    int getState() const { return kickState; }
    /// A DataState.
    int getDataState() const { return dataState; }

private:
    void followDataRounds(modeling::Modeling& modeling);

    kick_behavior::KickManager kickManager;
    kick_behavior::KickParameters kickParameters;
    marlowinds_lib::math::Vector2<double> target;
    int kickState = ROTATE;
    marlowinds_lib::math::Pose2D expectedKickPose;
    /// From the pose to kick from towards the ball (radians).
    double circlingDirection = 0.0;
    std::shared_ptr<kick_behavior::Kick> selectedKick;
    /// Consecutive cycles spent kicking, or with the ball rolling.
    int dataCounter = 0;
    /// Seconds waited for the kick of this round.
    double kickWaitTime = 0.0;
    int dataState = WAITING_FOR_BALL;
};

/// The planar distance (m) between the agent and the ball.
double distanceToBall(modeling::Modeling& modeling);

} // namespace behavior
} // namespace decision_making

#endif
