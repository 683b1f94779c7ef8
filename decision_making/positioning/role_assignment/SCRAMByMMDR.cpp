#include "decision_making/positioning/role_assignment/SCRAMByMMDR.h"

#include "decision_making/positioning/role_assignment/RoleId.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace decision_making {
namespace positioning {
namespace role_assignment {

namespace {

struct RankedPair {
    double distance;
    int agent;
    int target;

    bool operator<(const RankedPair& other) const {
        return std::tie(distance, agent, target) < std::tie(other.distance, other.agent, other.target);
    }
};

} // namespace

SCRAMByMMDR::SCRAMByMMDR(const std::vector<Position>& agents, const std::vector<Position>& targets)
    : agents(agents), targets(targets) {}

void SCRAMByMMDR::solvePriority(const std::vector<int>& roles) {
    const std::size_t count = std::min(roles.size(), priorities.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (roles[i] > RoleId::LAST_FORMATION_ROLE) {
            priorities[i] = {PRIORITY_RADIUS, PRIORITY_PENALTY};
        }
    }
}

void SCRAMByMMDR::mmdrSolve(std::vector<Assignment>& result) const {
    result.clear();
    const int n = static_cast<int>(agents.size());
    if (n > MAX_AGENTS || targets.size() < agents.size()) {
        return;
    }

    std::array<RankedPair, MAX_AGENTS * MAX_AGENTS> pairs;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double distance = agents[i].distance(targets[j]);
            // A position that is not a number ranks last instead of breaking the sort.
            if (std::isnan(distance)) {
                distance = std::numeric_limits<double>::infinity();
            }
            if (distance > priorities[j].radius) {
                distance += priorities[j].penalty;
            }
            pairs[i * n + j] = {distance, i, j};
        }
    }
    std::sort(pairs.begin(), pairs.begin() + n * n);

    // Equal distances share the rank of the first of them; the next distance
    // ranks by its place in the list (0, 1, 1, 3, ...).
    HungarianAlg::CostMatrix cost{};
    int groupRank = 0;
    for (int k = 0; k < n * n; ++k) {
        const RankedPair& pair = pairs[k];
        if (pair.distance != pairs[groupRank].distance) {
            groupRank = k;
        }
        cost[pair.agent][pair.target] = -groupRank;
    }

    HungarianAlg matching(cost, n);
    matching.hungarianLarge();
    for (int i = 0; i < n; ++i) {
        const int target = matching.getMatching()[i];
        result.push_back({agents[i].distance(targets[target]), i, target});
    }
}

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
