#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_VOTINGSYSTEM_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_VOTINGSYSTEM_H

#include <vector>

namespace modeling {
class PositioningModel;
}

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// Merges the role vectors heard from the teammates into the side's one
/// synchronised role vector, by a majority vote per slot.
class VotingSystem {
public:
    static constexpr int NUMBER_OF_SLOTS = 10;

    /// Keeps, in teammate order 2 to 11, the heard vectors of the teammates
    /// whose relevance flag is set.
    void receiveRoleAssignVectors(const modeling::PositioningModel& model);

    /// Ten entries: per slot the value most of the kept vectors hold, the one
    /// met first on a tie, 0 when no kept vector has that slot. Valid until
    /// the next vote; copy it to keep it.
    const std::vector<int>& generateSyncRoleVector(const modeling::PositioningModel& model);

private:
    std::vector<std::vector<int>> roleVectors;
    /// The result of the last vote, held here so that a vote allocates nothing.
    std::vector<int> synchronized = std::vector<int>(NUMBER_OF_SLOTS, 0);
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
