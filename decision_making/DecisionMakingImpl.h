#ifndef DECISION_MAKING_DECISIONMAKINGIMPL_H
#define DECISION_MAKING_DECISIONMAKINGIMPL_H

#include "decision_making/DecisionMaking.h"
#include "decision_making/RoleStrategy.h"
#include "decision_making/positioning/role_assignment/MarkingSystem.h"

#include <memory>

namespace decision_making {

/// The agent's decision in each cycle: a fallen agent only gets up; a standing
/// one refreshes its proposal of who goes where (field players that know every
/// teammate) and plays its role, whose five outputs become the cycle's.
class DecisionMakingImpl : public DecisionMaking {
public:
    /// With the roles by uniform number; reads the formation files.
    DecisionMakingImpl();
    /// With the given strategy in place of the roles by uniform number.
    explicit DecisionMakingImpl(std::shared_ptr<RoleStrategy> strategy);

    void decide(modeling::Modeling& modeling) override;

private:
    positioning::role_assignment::MarkingSystem markingSystem;
    std::shared_ptr<RoleStrategy> roleStrategy;
};

} // namespace decision_making

#endif
