#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTOFFSIDESETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTOFFSIDESETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their free kick after an offside: the player closest to the ball stands as the barrier, the others take their
/// formation places.
class OpponentOffsideSetPlay : public SetPlay {
public:
    OpponentOffsideSetPlay() = default;
    explicit OpponentOffsideSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
