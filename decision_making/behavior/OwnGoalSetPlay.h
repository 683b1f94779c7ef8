#ifndef DECISION_MAKING_BEHAVIOR_OWNGOALSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNGOALSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// After the own team scored: the beam pose of the agent's uniform number. It moves nothing.
class OwnGoalSetPlay : public SetPlay {
public:
    OwnGoalSetPlay() = default;
    explicit OwnGoalSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    /// Leaves a new beam pose, read with getBeamRequest().
    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
