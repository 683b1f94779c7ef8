#ifndef TOOLS_FIELD_TRIAL_SCRIPTEDDECISION_H
#define TOOLS_FIELD_TRIAL_SCRIPTEDDECISION_H

#include "control/MovementRequest.h"
#include "decision_making/DecisionMaking.h"
#include "decision_making/behavior/FocusBall.h"

#include <memory>

namespace tools {
namespace field_trial {

/// Decision making for a trial: the movement the trial script asks for in
/// place of a role's, and the agent's own head scan and stand-up when asked.
class ScriptedDecision : public decision_making::DecisionMaking {
public:
    /// Asked for in every cycle from now on; empty: no movement request.
    void request(std::shared_ptr<control::MovementRequest> movement) { scripted = std::move(movement); }
    /// While on, the head scans as the agent's head control does; else it is left alone.
    void setHeadScan(bool on) { headScan = on; }
    /// While on, a fallen player stands up as the decision cycle would have it
    /// do, and the script waits.
    void setStandUp(bool on) { standUp = on; }

    void decide(modeling::Modeling& modeling) override;

private:
    std::shared_ptr<control::MovementRequest> scripted;
    decision_making::behavior::FocusBall headControl;
    bool headScan = false;
    bool standUp = false;
};

} // namespace field_trial
} // namespace tools

#endif
