#include "decision_making/behavior/kick_behavior/NeuralKick.h"

#include "control/NeuralRequest.h"

#include <utility>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

NeuralKick::NeuralKick(std::string graphName, const KickParameters& parameters)
    : Kick(parameters), graphName(std::move(graphName)) {}

void NeuralKick::behave(modeling::Modeling& /*modeling*/) {
    movementRequest = std::make_shared<control::NeuralRequest>(graphName);
}

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
