#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KEYFRAMEKICK_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KEYFRAMEKICK_H

#include "decision_making/behavior/kick_behavior/Kick.h"

#include <string>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// A kick played as a keyframe page, never mirrored.
class KeyframeKick : public Kick {
public:
    explicit KeyframeKick(std::string pageName, const KickParameters& parameters = KickParameters());

    void behave(modeling::Modeling& modeling) override;

private:
    std::string pageName;
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
