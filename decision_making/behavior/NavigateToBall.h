#ifndef DECISION_MAKING_BEHAVIOR_NAVIGATETOBALL_H
#define DECISION_MAKING_BEHAVIOR_NAVIGATETOBALL_H

#include "decision_making/behavior/Behavior.h"

namespace decision_making {
namespace behavior {

/// Walks straight to the ball, facing it.
class NavigateToBall : public Behavior {
public:
    NavigateToBall() = default;
    explicit NavigateToBall(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
