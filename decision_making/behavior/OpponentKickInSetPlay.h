#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTKICKINSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTKICKINSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their kick-in: the player closest to the ball stands as the barrier, the others take their formation places.
class OpponentKickInSetPlay : public SetPlay {
public:
    OpponentKickInSetPlay() = default;
    explicit OpponentKickInSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
