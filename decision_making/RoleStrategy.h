#ifndef DECISION_MAKING_ROLESTRATEGY_H
#define DECISION_MAKING_ROLESTRATEGY_H

namespace modeling {
class Modeling;
}

namespace decision_making {

namespace role {
class Role;
}

/// Picks the role the agent plays in this cycle.
class RoleStrategy {
public:
    virtual ~RoleStrategy() = default;

    /// Owned by the strategy; never null.
    virtual role::Role* getRole(modeling::Modeling& modeling) = 0;
};

} // namespace decision_making

#endif
