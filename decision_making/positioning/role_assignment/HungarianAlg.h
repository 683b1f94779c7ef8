#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_HUNGARIANALG_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_HUNGARIANALG_H

#include "decision_making/positioning/role_assignment/Bit64Operator.h"

#include <array>
#include <cstdint>

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// Maximum-weight perfect matching of rows to columns (Kuhn-Munkres with
/// labels, O(n^3)), exact on wide integers. The weight of the pair (x, y) is
/// the power of two that the cost names, as Bit64Operator::setBit makes it:
/// -2^-cost for a negative cost, 2^cost otherwise.
class HungarianAlg {
public:
    static constexpr int MAX_SIZE = 10;
    using CostMatrix = std::array<std::array<std::int64_t, MAX_SIZE>, MAX_SIZE>;
    using Matching = std::array<int, MAX_SIZE>;

    /// The first n rows and columns of cost take part. Throws std::invalid_argument
    /// for n outside 0 to MAX_SIZE, std::out_of_range for a cost beyond the wide integers' bits.
    HungarianAlg(const CostMatrix& cost, int n);

    /// Leaves the answer in getMatching().
    void hungarianLarge();
    /// Row x's column; -1 before the solve and beyond n.
    const Matching& getMatching() const { return xy; }

private:
    using Number = Bit64Operator::Number;
    using Labels = std::array<Number, MAX_SIZE>;
    using Flags = std::array<bool, MAX_SIZE>;

    void initLabelsLarge();
    void updateLabelsLarge();
    void addToTreeLarge(int x, int prevx);
    /// Grows the matching by one pair; true once it is perfect.
    bool augmentLarge();
    /// lx[x] + ly[y] - w(x, y), never negative while the labels are feasible.
    Number reducedWeight(int x, int y) const;

    std::array<std::array<Number, MAX_SIZE>, MAX_SIZE> weight{};
    int n;
    int maxMatch = 0;
    /// Row to column and column to row; -1 unmatched.
    Matching xy;
    Matching yx;
    Labels lx{};
    Labels ly{};
    // The alternating tree: its rows S, its columns T.
    Flags S{};
    Flags T{};
    /// Per column the least reduced weight from a tree row, and that row.
    Labels slack{};
    Matching slackx{};
    /// Per tree row the row it was reached from; -2 for the root.
    Matching prev{};
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
