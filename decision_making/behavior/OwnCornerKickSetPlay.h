#ifndef DECISION_MAKING_BEHAVIOR_OWNCORNERKICKSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNCORNERKICKSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// The own corner kick: the player closest to the ball kicks in front of their goal, the others take their formation
/// places.
class OwnCornerKickSetPlay : public SetPlay {
public:
    OwnCornerKickSetPlay() = default;
    explicit OwnCornerKickSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
