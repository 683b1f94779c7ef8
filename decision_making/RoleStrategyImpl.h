#ifndef DECISION_MAKING_ROLESTRATEGYIMPL_H
#define DECISION_MAKING_ROLESTRATEGYIMPL_H

#include "decision_making/RoleStrategy.h"
#include "decision_making/role/Role.h"

#include <array>
#include <memory>

namespace decision_making {

/// The role by uniform number, fixed for the whole game: the goalkeeper's for
/// number 1, the field player's for every other. A role is built on first use
/// and kept, so its behaviours carry their state from cycle to cycle.
class RoleStrategyImpl : public RoleStrategy {
public:
    static constexpr int NUMBER_OF_PLAYERS = 11;
    static constexpr int GOALKEEPER = 1;

    role::Role* getRole(modeling::Modeling& modeling) override;

private:
    /// Index uniform number - 1.
    std::array<std::unique_ptr<role::Role>, NUMBER_OF_PLAYERS> roles;
};

} // namespace decision_making

#endif
