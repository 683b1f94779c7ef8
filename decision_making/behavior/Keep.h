#ifndef DECISION_MAKING_BEHAVIOR_KEEP_H
#define DECISION_MAKING_BEHAVIOR_KEEP_H

#include "decision_making/behavior/Behavior.h"

namespace decision_making {
namespace behavior {

/// The goalkeeper's save: a catch to the side the ball passes on, or the
/// block straight ahead when it comes at the keeper.
class Keep : public Behavior {
public:
    /// The ball passing within this much (m) of the keeper is blocked straight ahead.
    static constexpr double BLOCK_WIDTH = 0.05;

    Keep() = default;
    explicit Keep(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
