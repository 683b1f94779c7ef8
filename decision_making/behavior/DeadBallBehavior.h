#ifndef DECISION_MAKING_BEHAVIOR_DEADBALLBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_DEADBALLBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/positioning/DelaunayPositioning.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// A simpler field player's play for every play mode but play on: beaming
/// before kick-off and after goals, kicking at their goal at the own set
/// pieces, standing as a barrier or watching the most dangerous opponent at
/// theirs, and keeping behind the centre line at kick-offs. No role runs it;
/// the set plays (SetPlay) serve the team instead. The movement request and
/// the beam pose keep what an earlier step left, like the set plays'.
class DeadBallBehavior : public Behavior {
public:
    /// How far (m) the barrier stands from the ball towards the own goal.
    static constexpr double BARRIER_DISTANCE = 2.0;
    /// The least speed (m/s) of its walks.
    static constexpr double TRAVEL_SPEED = 0.9;

    /// Reads the formation files of the shipped formation folder once.
    explicit DeadBallBehavior(BehaviorFactory* factory = nullptr);

    void behave(modeling::Modeling& modeling) override;
    /// The last beam pose; empty until the first beaming step.
    std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamPose; }

    /// Walks to the agent's place by its agreed role.
    void goToDelaunayPositioning(modeling::Modeling& modeling);
    void goToBarrierPositioning(modeling::Modeling& modeling);
    /// Walks to the place of BasicDefensePositioning, which reads the formation files anew each time.
    void goToDefensePositioning(modeling::Modeling& modeling);
    /// Walks to the agent's own formation position, held behind the line x = limit:
    /// 1.5 m behind it from number 9 up, 2.3 m for numbers 6 to 8.
    void goToDelaunayPositioningSaturatedInX(modeling::Modeling& modeling, double limit);

private:
    void walkTo(modeling::Modeling& modeling, const marlowinds_lib::math::Pose2D& target);
    void kickTowards(modeling::Modeling& modeling, const marlowinds_lib::math::Vector2<double>& target);
    /// The player closest to the ball kicks towards the point, the others take their places.
    void takeSetPiece(modeling::Modeling& modeling, const marlowinds_lib::math::Vector2<double>& target);
    /// The player closest to the ball stands as the barrier, the others watch an opponent.
    void defendSetPiece(modeling::Modeling& modeling);

    std::shared_ptr<marlowinds_lib::math::Pose2D> beamPose;
    positioning::DelaunayPositioning formation;
};

} // namespace behavior
} // namespace decision_making

#endif
