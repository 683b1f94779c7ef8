#ifndef DECISION_MAKING_BEHAVIOR_BEAMBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_BEAMBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"
#include "marlowinds_lib/math/Pose2D.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// The pose a player beams to before kick-off and after a goal, fixed by its
/// uniform number, on the own half of the own team's field frame. It moves
/// nothing: the movement request stays empty.
class BeamBehavior : public Behavior {
public:
    BeamBehavior() = default;
    explicit BeamBehavior(BehaviorFactory* factory) : Behavior(factory) {}

    /// Replaces the beam pose with a new one, so that holders of the previous one keep theirs.
    void behave(modeling::Modeling& modeling) override;
    /// Empty before the first step.
    std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamPose; }

private:
    std::shared_ptr<marlowinds_lib::math::Pose2D> beamPose;
};

} // namespace behavior
} // namespace decision_making

#endif
