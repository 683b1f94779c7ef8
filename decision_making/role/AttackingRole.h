#ifndef DECISION_MAKING_ROLE_ATTACKINGROLE_H
#define DECISION_MAKING_ROLE_ATTACKINGROLE_H

#include "decision_making/role/Role.h"

namespace decision_making {
namespace role {

/// Every field player: the attack behaviour while the ball is in play (play on
/// and the pass modes), with its pass; the set plays in every other mode, with
/// their beam pose.
class AttackingRole : public Role {
protected:
    void behaveMovement(modeling::Modeling& modeling) override;
};

} // namespace role
} // namespace decision_making

#endif
