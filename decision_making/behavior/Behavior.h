#ifndef DECISION_MAKING_BEHAVIOR_BEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_BEHAVIOR_H

#include "control/MovementRequest.h"

#include <memory>

namespace modeling {
class Modeling;
}

namespace decision_making {
namespace behavior {

class BehaviorFactory;

/// A piece of play, stepped with the world model in the cycles in which it is
/// needed; whoever stepped it reads its results right afterwards. A behaviour
/// reaches the others only through the factory that holds it, so that all its
/// users share one instance of each kind, whose state carries over from cycle
/// to cycle.
class Behavior {
public:
    /// A behaviour outside any factory, which reaches no other behaviour.
    Behavior() = default;
    explicit Behavior(BehaviorFactory* factory) : factory(factory) {}
    virtual ~Behavior() = default;

    /// One step; the base does nothing.
    virtual void behave(modeling::Modeling& /*modeling*/) {}
    /// What the last step asked of motion control; empty before the first.
    virtual std::shared_ptr<control::MovementRequest> getMovementRequest() const { return movementRequest; }

protected:
    std::shared_ptr<control::MovementRequest> movementRequest;
    /// The factory that holds this behaviour; null outside a factory. Not owned.
    BehaviorFactory* factory = nullptr;
};

} // namespace behavior
} // namespace decision_making

#endif
