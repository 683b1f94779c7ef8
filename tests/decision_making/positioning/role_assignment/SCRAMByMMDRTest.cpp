#include "decision_making/positioning/role_assignment/SCRAMByMMDR.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

namespace decision_making {
namespace positioning {
namespace role_assignment {
namespace {

using Position = SCRAMByMMDR::Position;
using Assignment = SCRAMByMMDR::Assignment;

/// What an agent's run to a target counts for: marking targets charge the penalty beyond their radius.
double chargedDistance(const Position& agent, const Position& target, bool marking) {
    const double distance = agent.distance(target);
    return marking && distance > SCRAMByMMDR::PRIORITY_RADIUS ? distance + SCRAMByMMDR::PRIORITY_PENALTY : distance;
}

/// The charged runs of an assignment (target of each agent), longest first.
std::vector<double> runsLongestFirst(const std::vector<Position>& agents, const std::vector<Position>& targets,
                                     const std::vector<int>& roles, const std::vector<int>& targetOf) {
    std::vector<double> runs;
    for (std::size_t i = 0; i < agents.size(); ++i) {
        const int j = targetOf[i];
        runs.push_back(chargedDistance(agents[i], targets[j], roles[j] > 10));
    }
    std::sort(runs.begin(), runs.end(), std::greater<>());
    return runs;
}

std::vector<Assignment> solve(const std::vector<Position>& agents, const std::vector<Position>& targets,
                              const std::vector<int>& roles) {
    SCRAMByMMDR solver(agents, targets);
    solver.solvePriority(roles);
    std::vector<Assignment> result;
    solver.mmdrSolve(result);
    return result;
}

TEST(SCRAMByMMDRTest, TheLongestRunsAreAsShortAsAnyAssignmentMakesThem) {
    std::mt19937 engine(5);
    for (int trial = 0; trial < 2400; ++trial) {
        const int n = 1 + trial % 6;
        // Whole metres on a small grid give many equal distances.
        const bool grid = trial % 2 == 0;
        std::uniform_real_distribution<double> coordinate(-10.0, 10.0);
        std::uniform_int_distribution<int> gridCoordinate(-3, 3);
        const auto position = [&] {
            return grid ? Position(gridCoordinate(engine), gridCoordinate(engine))
                        : Position(coordinate(engine), coordinate(engine));
        };
        std::vector<Position> agents;
        std::vector<Position> targets;
        std::vector<int> roles;
        for (int i = 0; i < n; ++i) {
            agents.push_back(position());
            targets.push_back(position());
            roles.push_back(std::uniform_int_distribution<int>(0, 4)(engine) == 0 ? 11 + i : 1 + i);
        }
        // One target more than agents: only the first n take part.
        targets.push_back(agents[0]);
        roles.push_back(1);

        const std::vector<Assignment> result = solve(agents, targets, roles);

        ASSERT_EQ(result.size(), agents.size());
        std::vector<int> targetOf;
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(result[i].agent, i);
            ASSERT_DOUBLE_EQ(result[i].distance, agents[i].distance(targets[result[i].target]));
            targetOf.push_back(result[i].target);
        }
        std::vector<int> permutation(n);
        std::iota(permutation.begin(), permutation.end(), 0);
        ASSERT_TRUE(std::is_permutation(targetOf.begin(), targetOf.end(), permutation.begin()));
        std::vector<double> best(n, std::numeric_limits<double>::infinity());
        do {
            best = std::min(best, runsLongestFirst(agents, targets, roles, permutation));
        } while (std::next_permutation(permutation.begin(), permutation.end()));
        ASSERT_EQ(runsLongestFirst(agents, targets, roles, targetOf), best) << "trial " << trial;
    }
}

TEST(SCRAMByMMDRTest, AMarkingTargetGoesToTheAgentWithinItsRadius) {
    // The marking point is at the origin; the other agent stands 3.005 m from it.
    const std::vector<Position> targets = {{0.0, 0.0}, {3.0, 5.0}};
    const std::vector<int> roles = {13, 2};
    struct Case {
        double nearAgentX;
        int markingAgent;
    } const cases[] = {
        {3.0, 0},  // exactly on the radius: no penalty, so it marks although the other is as close
        {3.01, 1}, // both beyond: both pay, and the nearer marks
    };
    for (const Case& c : cases) {
        const std::vector<Position> agents = {{c.nearAgentX, 0.0}, {-3.005, 0.0}};

        const std::vector<Assignment> result = solve(agents, targets, roles);

        ASSERT_EQ(result.size(), 2u);
        EXPECT_EQ(result[c.markingAgent].target, 0) << c.nearAgentX;
        EXPECT_DOUBLE_EQ(result[c.markingAgent].distance, std::fabs(agents[c.markingAgent].x)) << "no penalty";
    }
}

TEST(SCRAMByMMDRTest, AProblemBeyondTheSolverGivesNoAssignment) {
    const std::vector<Position> eleven(SCRAMByMMDR::MAX_AGENTS + 1, Position(1.0, 2.0));
    const std::vector<Position> two = {{0.0, 0.0}, {1.0, 1.0}};
    const std::vector<Position> one = {{0.0, 0.0}};
    const std::vector<Position> none;

    EXPECT_TRUE(solve(eleven, eleven, std::vector<int>(11, 1)).empty());
    EXPECT_TRUE(solve(two, one, {1}).empty());
    EXPECT_TRUE(solve(none, one, {1}).empty());
}

TEST(SCRAMByMMDRTest, AnAgentAtNoKnownPlaceStillGetsATarget) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Position> agents = {{nan, 0.0}, {1.0, 0.0}, {-1.0, 0.0}};
    const std::vector<Position> targets = {{1.0, 0.1}, {5.0, 5.0}, {-1.0, 0.1}};

    const std::vector<Assignment> result = solve(agents, targets, {1, 2, 3});

    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0].target, 1);
    EXPECT_EQ(result[1].target, 0);
    EXPECT_EQ(result[2].target, 2);
}

} // namespace
} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
