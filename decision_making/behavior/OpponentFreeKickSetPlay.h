#ifndef DECISION_MAKING_BEHAVIOR_OPPONENTFREEKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OPPONENTFREEKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// Their free kicks, direct or not: the player closest to the ball stands as the barrier, the others take their
/// formation places.
class OpponentFreeKickSetPlay : public SetPlay {
public:
    OpponentFreeKickSetPlay() = default;
    explicit OpponentFreeKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
