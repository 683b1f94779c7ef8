#include "marlowinds_lib/math/SplineInterpolator.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace marlowinds_lib {
namespace math {

namespace {
void validate(const std::vector<Vector2<double>>& knots) {
    for (std::size_t i = 0; i < knots.size(); ++i) {
        if (!std::isfinite(knots[i].x) || !std::isfinite(knots[i].y)) {
            throw std::invalid_argument("SplineInterpolator: knot " + std::to_string(i) + " is not finite");
        }
        if (i > 0 && !(knots[i].x > knots[i - 1].x)) {
            throw std::invalid_argument("SplineInterpolator: knot " + std::to_string(i) +
                                        " does not lie after the previous one (x must strictly increase)");
        }
    }
}
} // namespace

SplineInterpolator::SplineInterpolator(std::vector<Vector2<double>> knotsIn) : knots(std::move(knotsIn)) {
    validate(knots);
    const std::size_t n = knots.size();
    h.assign(n, 0.0);
    M.assign(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        h[i] = knots[i].x - knots[i - 1].x;
    }
    if (n < 3) {
        return;
    }
    std::vector<double> sub;
    std::vector<double> diagonal;
    std::vector<double> super;
    std::vector<double> rightSide;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        sub.push_back(h[i]);
        diagonal.push_back(2.0 * (h[i] + h[i + 1]));
        super.push_back(h[i + 1]);
        rightSide.push_back(6.0 * ((knots[i + 1].y - knots[i].y) / h[i + 1] - (knots[i].y - knots[i - 1].y) / h[i]));
    }
    // Natural end conditions: M[0] = M[n-1] = 0.
    sub.front() = 0.0;
    super.back() = 0.0;
    const std::vector<double> interior =
        MathUtils::tridiagonalSolution(std::move(sub), std::move(diagonal), std::move(super), std::move(rightSide));
    std::copy(interior.begin(), interior.end(), M.begin() + 1);
}

double SplineInterpolator::interpolate(double x) const {
    const std::size_t n = knots.size();
    if (n < 2) {
        return 0.0;
    }
    // The first knot to the right of x, among knots 1 .. n-1; the last one when none is.
    const auto right = std::upper_bound(knots.begin() + 1, knots.end(), x,
                                        [](double value, const Vector2<double>& knot) { return value < knot.x; });
    const std::size_t j = right == knots.end() ? n - 1 : static_cast<std::size_t>(right - knots.begin());
    const std::size_t i = j - 1;
    const double step = h[j];
    const double fromLeft = x - knots[i].x;
    const double toRight = knots[j].x - x;
    return M[i] * std::pow(toRight, 3) / (6.0 * step) + M[j] * std::pow(fromLeft, 3) / (6.0 * step) +
           (knots[j].y / step - M[j] * step / 6.0) * fromLeft + (knots[i].y / step - M[i] * step / 6.0) * toRight;
}

} // namespace math
} // namespace marlowinds_lib
