#ifndef DECISION_MAKING_BEHAVIOR_OWNOFFSIDESETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNOFFSIDESETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// The own free kick after their offside: the player closest to the ball kicks at their goal, the others take their
/// formation places.
class OwnOffsideSetPlay : public SetPlay {
public:
    OwnOffsideSetPlay() = default;
    explicit OwnOffsideSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
