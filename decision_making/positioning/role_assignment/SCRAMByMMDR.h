#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_SCRAMBYMMDR_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_SCRAMBYMMDR_H

#include "decision_making/positioning/role_assignment/HungarianAlg.h"
#include "marlowinds_lib/math/Vector2.h"

#include <array>
#include <vector>

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// Assigns each agent one target so that the longest run is as short as it can
/// be, then the next longest, and so on (the minimum-maximal-distance rule): all
/// agent-to-target distances are ranked, each pair is weighted by minus two to
/// the power of its rank, and the heaviest perfect matching is taken. A target
/// may carry a priority radius: an agent farther from it than that is charged a
/// penalty for it, so that a close agent takes it.
class SCRAMByMMDR {
public:
    using Position = marlowinds_lib::math::Vector2<double>;
    static constexpr int MAX_AGENTS = HungarianAlg::MAX_SIZE;
    /// The radius and penalty (m) that solvePriority gives a marking target.
    static constexpr double PRIORITY_RADIUS = 3.0;
    static constexpr double PRIORITY_PENALTY = 100.0;

    struct Assignment {
        /// From the agent to its target, without any penalty.
        double distance;
        int agent;
        int target;
    };

    /// Borrows both lists for the solver's life. Only the first agents.size()
    /// targets take part; a problem with more than MAX_AGENTS agents or fewer
    /// targets than agents has no solution.
    SCRAMByMMDR(const std::vector<Position>& agents, const std::vector<Position>& targets);

    /// Makes the target of each marking role (role ids as RoleId gives them, at
    /// the targets' indices) a priority one. Entries beyond MAX_AGENTS are ignored.
    void solvePriority(const std::vector<int>& roles);

    /// Refills result with one assignment per agent, in agent order; leaves it
    /// empty when the problem has no solution.
    void mmdrSolve(std::vector<Assignment>& result) const;

private:
    struct Priority {
        double radius = 0.0;
        double penalty = 0.0;
    };

    const std::vector<Position>& agents;
    const std::vector<Position>& targets;
    std::array<Priority, MAX_AGENTS> priorities{};
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
