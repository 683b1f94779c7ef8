#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTCORNERKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTCORNERKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their corner kick: the player closest to the ball stands as the barrier, the others take their formation places.
class OpponentCornerKickSetPlay : public SetPlay {
public:
    OpponentCornerKickSetPlay() = default;
    explicit OpponentCornerKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
