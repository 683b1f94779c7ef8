#ifndef DECISION_MAKING_BEHAVIOR_OWNGOALKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNGOALKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// The own goal kick, which the goalkeeper takes: every field player takes its formation place.
class OwnGoalKickSetPlay : public SetPlay {
public:
    OwnGoalKickSetPlay() = default;
    explicit OwnGoalKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
