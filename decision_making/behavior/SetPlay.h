#ifndef DECISION_MAKING_BEHAVIOR_SETPLAY_H
#define DECISION_MAKING_BEHAVIOR_SETPLAY_H

#include "decision_making/behavior/Behavior.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"
#include "marlowinds_lib/math/Vector3.h"

#include <memory>

namespace modeling {
class WorldModel;
}

namespace decision_making {
namespace behavior {

/// A field player's play in every play mode but play on and the pass modes:
/// beaming before kick-off and after goals, taking formation places, standing
/// as a barrier between the ball and the own goal at the opponents' set
/// pieces, and kicking or receiving at the own. The dispatcher hands each mode
/// to the sub-play that serves it, whose movement request or beam pose it then
/// takes; the other of the two keeps what an earlier cycle left. The sub-plays
/// derive from it for the moves they share.
class SetPlay : public Behavior {
public:
    /// How far (m) the barrier stands from the ball towards the own goal.
    static constexpr double BARRIER_DISTANCE = 2.3;
    /// How far (m) the receiver stands from the ball towards their goal.
    static constexpr double RECEIVER_DISTANCE = 2.0;
    /// The least speed (m/s) of the walks to the barrier and the receiver's place.
    static constexpr double TRAVEL_SPEED = 0.9;

    SetPlay() = default;
    explicit SetPlay(BehaviorFactory* factory) : Behavior(factory) {}

    /// Runs the sub-play of the world model's play mode.
    void behave(modeling::Modeling& modeling) override;
    /// The last beam pose a beaming sub-play left; empty until the first.
    std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamPose; }

    /// Walks to the agent's place by its agreed role.
    void goToDelaunayPositioning(modeling::Modeling& modeling);
    void goToBarrierPositioning(modeling::Modeling& modeling);
    void goToReceiverPositioning(modeling::Modeling& modeling);
    /// BARRIER_DISTANCE from the ball towards the own goal's centre, facing the
    /// ball; the ball's pose when it lies on that centre.
    marlowinds_lib::math::Pose2D calculateBarrierPositioning(modeling::Modeling& modeling);
    /// RECEIVER_DISTANCE from the ball towards their goal's centre, facing the
    /// ball; the ball's pose when it lies on that centre.
    marlowinds_lib::math::Pose2D calculateReceiverPositioning(modeling::Modeling& modeling);
    /// The pose the distance (m) from the ball towards the goal's centre,
    /// facing the ball; the ball's pose when it lies on that centre.
    static marlowinds_lib::math::Pose2D poseFromBallTowards(modeling::WorldModel& world,
                                                            const marlowinds_lib::math::Vector3<double>& goal,
                                                            double distance);

protected:
    static marlowinds_lib::math::Vector2<double> theirGoalCentre(modeling::Modeling& modeling);
    /// Approaches the ball and kicks it towards the point.
    void kickTowards(modeling::Modeling& modeling, const marlowinds_lib::math::Vector2<double>& target);
    /// Walks to the pose through the role's one navigation.
    void walkTo(modeling::Modeling& modeling, const marlowinds_lib::math::Pose2D& target, double minimumSpeed);
    /// The opponents' set piece: the player closest to the ball stands as the barrier, the others take their places.
    void defendSetPiece(modeling::Modeling& modeling);
    /// The own set piece: the player closest to the ball kicks towards the point, the others take their places.
    void takeSetPiece(modeling::Modeling& modeling, const marlowinds_lib::math::Vector2<double>& target);

    std::shared_ptr<marlowinds_lib::math::Pose2D> beamPose;

private:
    /// Steps the sub-play and takes its movement request.
    void moveBy(Behavior& subPlay, modeling::Modeling& modeling);
    /// Steps the sub-play and takes its beam pose.
    template <typename BeamingPlay> void beamBy(BeamingPlay& subPlay, modeling::Modeling& modeling);
};

} // namespace behavior
} // namespace decision_making

#endif
