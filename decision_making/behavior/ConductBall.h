#ifndef DECISION_MAKING_BEHAVIOR_CONDUCTBALL_H
#define DECISION_MAKING_BEHAVIOR_CONDUCTBALL_H

#include "decision_making/behavior/Behavior.h"

namespace decision_making {
namespace behavior {

/// Walks along a line through the ball, turned by the ball pose's rotation
/// relative to the agent's heading.
class ConductBall : public Behavior {
public:
    ConductBall() = default;
    explicit ConductBall(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
