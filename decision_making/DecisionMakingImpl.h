#ifndef DECISION_MAKING_DECISIONMAKINGIMPL_H
#define DECISION_MAKING_DECISIONMAKINGIMPL_H

#include "decision_making/DecisionMaking.h"

namespace decision_making {

/// Decision making of the agent. It decides nothing yet: every output stays
/// empty, so the agent neither moves, nor speaks, nor beams.
class DecisionMakingImpl : public DecisionMaking {
public:
    DecisionMakingImpl() = default;

    void decide(modeling::Modeling& modeling) override;
};

} // namespace decision_making

#endif
