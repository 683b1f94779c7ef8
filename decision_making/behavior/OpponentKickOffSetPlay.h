#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTKICKOFFSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTKICKOFFSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their kick-off: every player takes its formation place.
class OpponentKickOffSetPlay : public SetPlay {
public:
    OpponentKickOffSetPlay() = default;
    explicit OpponentKickOffSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
