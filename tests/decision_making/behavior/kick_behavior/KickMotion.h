#ifndef TESTS_DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKMOTION_H
#define TESTS_DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKMOTION_H

#include "control/KeyframeRequest.h"
#include "control/NeuralRequest.h"
#include "decision_making/behavior/kick_behavior/Kick.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <memory>
#include <string>

namespace decision_making {
namespace testing {

/// The motion a movement request asks for: "keyframe " or "neural " and its
/// name (a mirrored page marked so), else "walk".
inline std::string motionOf(const std::shared_ptr<control::MovementRequest>& request) {
    if (const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(request)) {
        return "keyframe " + keyframe->getName() + (keyframe->isInverted() ? " mirrored" : "");
    }
    if (const auto neural = std::dynamic_pointer_cast<control::NeuralRequest>(request)) {
        return "neural " + neural->getName();
    }
    return "walk";
}

/// The motion a kick asks for; kicks do not read the world model.
inline std::string motionOf(behavior::kick_behavior::Kick& kick) {
    static HandBuiltModeling models(2);
    kick.behave(models.modeling);
    return motionOf(kick.getMovementRequest());
}

} // namespace testing
} // namespace decision_making

#endif
