#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTGOALSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTGOALSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// After the opponents scored: the beam pose of the agent's uniform number. It moves nothing.
class OpponentGoalSetPlay : public SetPlay {
public:
    OpponentGoalSetPlay() = default;
    explicit OpponentGoalSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    /// Leaves a new beam pose, read with getBeamRequest().
    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
