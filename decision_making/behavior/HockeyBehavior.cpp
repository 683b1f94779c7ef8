#include "decision_making/behavior/HockeyBehavior.h"

#include "control/KeyframeRequest.h"
#include "control/keyframe/KeyframeType.h"

#include <memory>

namespace decision_making {
namespace behavior {

void HockeyBehavior::behave(modeling::Modeling& /*modeling*/) {
    movementRequest = std::make_shared<control::KeyframeRequest>(control::keyframe::KeyframeType::HOCKEY, false);
}

} // namespace behavior
} // namespace decision_making
