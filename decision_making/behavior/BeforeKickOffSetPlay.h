#ifndef DECISION_MAKING_BEHAVIOR_BEFOREKICKOFFSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_BEFOREKICKOFFSETPLAY_H

#include "decision_making/behavior/Behavior.h"
#include "marlowinds_lib/math/Pose2D.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// Before kick-off: the beam pose of the agent's uniform number. It moves nothing.
class BeforeKickOffSetPlay : public Behavior {
public:
    BeforeKickOffSetPlay() = default;
    explicit BeforeKickOffSetPlay(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
    /// A new pose in every step; empty before the first.
    std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamPose; }

private:
    std::shared_ptr<marlowinds_lib::math::Pose2D> beamPose;
};

} // namespace behavior
} // namespace decision_making

#endif
