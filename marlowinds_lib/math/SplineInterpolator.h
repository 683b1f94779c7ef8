#ifndef MARLOWINDS_LIB_MATH_SPLINEINTERPOLATOR_H
#define MARLOWINDS_LIB_MATH_SPLINEINTERPOLATOR_H

#include "marlowinds_lib/math/Interpolator.h"
#include "marlowinds_lib/math/Vector2.h"

#include <vector>

namespace marlowinds_lib {
namespace math {

/// The natural cubic spline through (x, y) knots. Below the second knot the first
/// segment's cubic is used and beyond the last knot the last one's, so the curve
/// extrapolates. With fewer than two knots it is 0 everywhere.
class SplineInterpolator : public Interpolator<double> {
public:
    /// Throws std::invalid_argument when a knot is not finite or the x values do
    /// not strictly increase.
    explicit SplineInterpolator(std::vector<Vector2<double>> knots);

    double interpolate(double x) const override;

private:
    std::vector<double> h;
    std::vector<Vector2<double>> knots;
    std::vector<double> M;
};

} // namespace math
} // namespace marlowinds_lib

#endif
