#include "decision_making/behavior/kick_behavior/KeyframeKick.h"

#include "control/KeyframeRequest.h"

#include <utility>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

KeyframeKick::KeyframeKick(std::string pageName, const KickParameters& parameters)
    : Kick(parameters), pageName(std::move(pageName)) {}

void KeyframeKick::behave(modeling::Modeling& /*modeling*/) {
    movementRequest = std::make_shared<control::KeyframeRequest>(pageName, false);
}

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
