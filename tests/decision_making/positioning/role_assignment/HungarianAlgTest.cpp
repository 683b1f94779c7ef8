#include "decision_making/positioning/role_assignment/HungarianAlg.h"

#include "tests/decision_making/positioning/role_assignment/CompilerWideIntegers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

namespace decision_making {
namespace positioning {
namespace role_assignment {
namespace {

using CostMatrix = HungarianAlg::CostMatrix;

/// The weight the matching maximises: -2^-cost for a negative cost, 2^cost otherwise.
Int128 weightOf(std::int64_t cost) {
    const Int128 power = static_cast<Int128>(1) << (cost < 0 ? -cost : cost);
    return cost < 0 ? -power : power;
}

/// The heaviest perfect matching's weight, by a search over the subsets of columns taken.
Int128 bestWeight(const CostMatrix& cost, int n) {
    const Int128 unreachable = -(static_cast<Int128>(1) << 120);
    std::vector<Int128> best(std::size_t{1} << n, unreachable);
    best[0] = 0;
    for (unsigned taken = 0; taken < best.size(); ++taken) {
        const int row = __builtin_popcount(taken);
        if (best[taken] == unreachable || row == n) {
            continue;
        }
        for (int column = 0; column < n; ++column) {
            if ((taken & (1u << column)) == 0) {
                Int128& next = best[taken | (1u << column)];
                next = std::max(next, best[taken] + weightOf(cost[row][column]));
            }
        }
    }
    return best.back();
}

TEST(HungarianAlgTest, TheMatchingIsAPermutationOfMaximumWeight) {
    std::mt19937 engine(11);
    for (int trial = 0; trial < 5000; ++trial) {
        const int n = trial % (HungarianAlg::MAX_SIZE + 1);
        // Narrow cost ranges give many equal weights, wide ones the solver's own span.
        const int lowest = std::uniform_int_distribution<int>(0, 1)(engine) == 0 ? -4 : -(n * n - 1);
        std::uniform_int_distribution<int> draw(std::min(lowest, 0), 0);
        CostMatrix cost{};
        for (int x = 0; x < n; ++x) {
            for (int y = 0; y < n; ++y) {
                cost[x][y] = draw(engine);
            }
        }
        HungarianAlg solver(cost, n);
        solver.hungarianLarge();

        const HungarianAlg::Matching& matching = solver.getMatching();
        std::vector<bool> used(n, false);
        Int128 weight = 0;
        for (int x = 0; x < n; ++x) {
            const int y = matching[x];
            ASSERT_TRUE(y >= 0 && y < n && !used[y]) << "trial " << trial << " row " << x;
            used[y] = true;
            weight += weightOf(cost[x][y]);
        }
        ASSERT_TRUE(weight == bestWeight(cost, n)) << "trial " << trial << " of size " << n;
    }
}

TEST(HungarianAlgTest, RefusesProblemsBeyondItsSizeAndBits) {
    CostMatrix cost{};
    EXPECT_THROW(HungarianAlg(cost, HungarianAlg::MAX_SIZE + 1), std::invalid_argument);
    EXPECT_THROW(HungarianAlg(cost, -1), std::invalid_argument);
    cost[1][2] = -128;
    EXPECT_THROW(HungarianAlg(cost, 3), std::out_of_range);
}

} // namespace
} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
