#ifndef DECISION_MAKING_ROLE_GOALIEROLE_H
#define DECISION_MAKING_ROLE_GOALIEROLE_H

#include "decision_making/role/Role.h"

namespace decision_making {
namespace role {

/// The goalkeeper: the goalkeeping behaviour in every play mode, and its beam
/// pose before kick-off and after goals. It never passes.
class GoalieRole : public Role {
protected:
    void behaveMovement(modeling::Modeling& modeling) override;
};

} // namespace role
} // namespace decision_making

#endif
