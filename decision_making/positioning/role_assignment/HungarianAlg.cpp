#include "decision_making/positioning/role_assignment/HungarianAlg.h"

#include <stdexcept>
#include <string>

namespace decision_making {
namespace positioning {
namespace role_assignment {

namespace {

using Op = Bit64Operator;
constexpr int ROOT = -2;
constexpr int NONE = -1;

} // namespace

HungarianAlg::HungarianAlg(const CostMatrix& cost, int n) : n(n) {
    if (n < 0 || n > MAX_SIZE) {
        throw std::invalid_argument("a matching of size " + std::to_string(n) + " exceeds the solver's " +
                                    std::to_string(MAX_SIZE));
    }
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            Op::setBit(weight[x][y], static_cast<long>(cost[x][y]));
        }
    }
    xy.fill(NONE);
    yx.fill(NONE);
}

void HungarianAlg::hungarianLarge() {
    maxMatch = 0;
    xy.fill(NONE);
    yx.fill(NONE);
    initLabelsLarge();
    while (!augmentLarge()) {
    }
}

void HungarianAlg::initLabelsLarge() {
    for (int x = 0; x < MAX_SIZE; ++x) {
        Op::setZero(lx[x]);
        Op::setZero(ly[x]);
    }
    // From 0, not from the row's best weight, which is negative for most rows.
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (Op::isLessThan(lx[x], weight[x][y])) {
                lx[x] = weight[x][y];
            }
        }
    }
}

HungarianAlg::Number HungarianAlg::reducedWeight(int x, int y) const {
    Number value = lx[x];
    Op::addValue(value, ly[y]);
    Op::subtractValue(value, weight[x][y]);
    return value;
}

void HungarianAlg::addToTreeLarge(int x, int prevx) {
    S[x] = true;
    prev[x] = prevx;
    for (int y = 0; y < n; ++y) {
        const Number reduced = reducedWeight(x, y);
        if (Op::isLessThan(reduced, slack[y])) {
            slack[y] = reduced;
            slackx[y] = x;
        }
    }
}

void HungarianAlg::updateLabelsLarge() {
    Number delta;
    Op::setMax(delta);
    for (int y = 0; y < n; ++y) {
        if (!T[y] && Op::isLessThan(slack[y], delta)) {
            delta = slack[y];
        }
    }
    for (int i = 0; i < n; ++i) {
        if (S[i]) {
            Op::subtractValue(lx[i], delta);
        }
        if (T[i]) {
            Op::addValue(ly[i], delta);
        } else {
            Op::subtractValue(slack[i], delta);
        }
    }
}

bool HungarianAlg::augmentLarge() {
    if (maxMatch == n) {
        return true;
    }
    S.fill(false);
    T.fill(false);
    prev.fill(NONE);
    int root = 0;
    while (xy[root] != NONE) {
        ++root;
    }
    S[root] = true;
    prev[root] = ROOT;
    for (int y = 0; y < n; ++y) {
        slack[y] = reducedWeight(root, y);
        slackx[y] = root;
    }

    // A column of zero slack is reached from its slack row by an equality edge:
    // a free one ends the augmenting path, a matched one grows the tree by its row.
    while (true) {
        bool grown = false;
        for (int y = 0; y < n; ++y) {
            if (T[y] || !Op::isZero(slack[y])) {
                continue;
            }
            if (yx[y] == NONE) {
                for (int x = slackx[y], column = y; x != ROOT; x = prev[x]) {
                    const int previousColumn = xy[x];
                    yx[column] = x;
                    xy[x] = column;
                    column = previousColumn;
                }
                ++maxMatch;
                return false;
            }
            T[y] = true;
            grown = true;
            if (!S[yx[y]]) {
                addToTreeLarge(yx[y], slackx[y]);
            }
        }
        if (!grown) {
            updateLabelsLarge();
        }
    }
}

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
