#ifndef DECISION_MAKING_BEHAVIOR_HOCKEYBEHAVIOR_H
#define DECISION_MAKING_BEHAVIOR_HOCKEYBEHAVIOR_H

#include "decision_making/behavior/Behavior.h"

namespace decision_making {
namespace behavior {

/// The goalkeeper's block straight ahead: the hockey keyframe, whatever the situation.
class HockeyBehavior : public Behavior {
public:
    HockeyBehavior() = default;
    explicit HockeyBehavior(BehaviorFactory* factory) : Behavior(factory) {}

    void behave(modeling::Modeling& modeling) override;
};

} // namespace behavior
} // namespace decision_making

#endif
