#ifndef DECISION_MAKING_BEHAVIOR_GAMEOVERSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_GAMEOVERSETPLAY_H

#include "decision_making/behavior/SetPlay.h"

namespace decision_making {
namespace behavior {

/// After the final whistle: every player takes its formation place.
class GameOverSetPlay : public SetPlay {
public:
    GameOverSetPlay() = default;
    explicit GameOverSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
