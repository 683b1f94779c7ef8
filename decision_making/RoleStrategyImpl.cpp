#include "decision_making/RoleStrategyImpl.h"

#include "decision_making/role/AttackingRole.h"
#include "decision_making/role/GoalieRole.h"
#include "modeling/Modeling.h"

namespace decision_making {

role::Role* RoleStrategyImpl::getRole(modeling::Modeling& modeling) {
    const int number = modeling.getAgentModel().getAgentNumber();
    // The world model admits uniform numbers 1 to 11 only.
    std::unique_ptr<role::Role>& role = roles.at(static_cast<std::size_t>(number - 1));
    if (!role) {
        if (number == GOALKEEPER) {
            role = std::make_unique<role::GoalieRole>();
        } else {
            role = std::make_unique<role::AttackingRole>();
        }
    }
    return role.get();
}

} // namespace decision_making
