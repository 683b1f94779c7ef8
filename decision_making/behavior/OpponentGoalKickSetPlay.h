#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTGOALKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTGOALKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their goal kick: the player closest to the ball stands as the barrier, the others take their formation places.
class OpponentGoalKickSetPlay : public SetPlay {
public:
    OpponentGoalKickSetPlay() = default;
    explicit OpponentGoalKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
