#include "decision_making/positioning/role_assignment/VotingSystem.h"

#include "modeling/PositioningModel.h"

#include <algorithm>
#include <array>
#include <utility>

namespace decision_making {
namespace positioning {
namespace role_assignment {

void VotingSystem::receiveRoleAssignVectors(const modeling::PositioningModel& model) {
    const auto& heard = model.getTeammatesRoleAssignmentVector();
    const auto& relevance = model.getPlayersRelevance();
    // Assigning into the vectors already held reuses their storage.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < heard.size() && i < relevance.size(); ++i) {
        if (!relevance[i]) {
            continue;
        }
        if (kept < roleVectors.size()) {
            roleVectors[kept] = heard[i];
        } else {
            roleVectors.push_back(heard[i]);
        }
        ++kept;
    }
    roleVectors.resize(kept);
}

const std::vector<int>& VotingSystem::generateSyncRoleVector(const modeling::PositioningModel& model) {
    receiveRoleAssignVectors(model);
    std::fill(synchronized.begin(), synchronized.end(), 0);
    // At most one distinct value per teammate: (value, count) in first-seen order.
    std::array<std::pair<int, int>, modeling::PositioningModel::NUMBER_OF_ROLES> tally{};
    for (std::size_t slot = 0; slot < synchronized.size(); ++slot) {
        std::size_t distinct = 0;
        for (const std::vector<int>& roles : roleVectors) {
            // A vector too short for the slot casts no vote there.
            if (slot >= roles.size()) {
                continue;
            }
            std::size_t entry = 0;
            while (entry < distinct && tally[entry].first != roles[slot]) {
                ++entry;
            }
            if (entry == distinct) {
                if (distinct == tally.size()) {
                    continue;
                }
                tally[distinct++] = {roles[slot], 0};
            }
            ++tally[entry].second;
        }
        int bestCount = 0;
        for (std::size_t entry = 0; entry < distinct; ++entry) {
            if (tally[entry].second > bestCount) {
                bestCount = tally[entry].second;
                synchronized[slot] = tally[entry].first;
            }
        }
    }
    return synchronized;
}

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
