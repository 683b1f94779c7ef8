#include "decision_making/DecisionMakingImpl.h"

#include "decision_making/RoleStrategyImpl.h"
#include "decision_making/role/Role.h"
#include "modeling/Modeling.h"

namespace decision_making {

namespace {
/// Every teammate of the eleven, the agent excluded.
constexpr std::size_t ALL_TEAMMATES = 10;
} // namespace

DecisionMakingImpl::DecisionMakingImpl() : DecisionMakingImpl(std::make_shared<RoleStrategyImpl>()) {}

DecisionMakingImpl::DecisionMakingImpl(std::shared_ptr<RoleStrategy> strategy) : roleStrategy(std::move(strategy)) {}

void DecisionMakingImpl::decide(modeling::Modeling& modeling) {
    if (decideFall(modeling)) {
        return;
    }
    if (modeling.getWorldModel().getTeammates().size() == ALL_TEAMMATES &&
        modeling.getAgentModel().getAgentNumber() != RoleStrategyImpl::GOALKEEPER) {
        markingSystem.selectRolesAndAssign(modeling);
    }
    role::Role& role = *roleStrategy->getRole(modeling);
    role.execute(modeling);
    movementRequest = role.getMovementRequest();
    lookRequest = role.getLookRequest();
    sayMessage = role.getSayMessage();
    beamRequest = role.getBeamRequest();
    passRequest = role.getPassRequest();
}

} // namespace decision_making
