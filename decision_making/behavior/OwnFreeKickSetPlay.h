#ifndef DECISION_MAKING_BEHAVIOR_OWNFREEKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNFREEKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// The own free kicks, direct or not: the player closest to the ball kicks at their goal, the others take their
/// formation places.
class OwnFreeKickSetPlay : public SetPlay {
public:
    OwnFreeKickSetPlay() = default;
    explicit OwnFreeKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
