#ifndef DECISION_MAKING_BEHAVIOR_OWNKICKINSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNKICKINSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// The own kick-in: the player closest to the ball kicks, deep in their half to the receiver's place beyond the ball,
/// elsewhere at their goal; the second closest goes to that place, the others to their formation places.
class OwnKickInSetPlay : public SetPlay {
public:
    OwnKickInSetPlay() = default;
    explicit OwnKickInSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
