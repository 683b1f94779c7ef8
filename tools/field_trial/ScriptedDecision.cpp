#include "tools/field_trial/ScriptedDecision.h"

namespace tools {
namespace field_trial {

void ScriptedDecision::decide(modeling::Modeling& modeling) {
    if (standUp && decideFall(modeling)) {
        return;
    }
    movementRequest = scripted;
    lookRequest.reset();
    if (headScan) {
        headControl.behave(modeling);
        lookRequest = headControl.getLookRequest();
    }
}

} // namespace field_trial
} // namespace tools
