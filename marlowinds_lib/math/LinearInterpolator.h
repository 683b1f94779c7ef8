#ifndef MARLOWINDS_LIB_MATH_LINEARINTERPOLATOR_H
#define MARLOWINDS_LIB_MATH_LINEARINTERPOLATOR_H

#include "marlowinds_lib/math/Interpolator.h"

namespace marlowinds_lib {
namespace math {

/// start + (end - start) * t; t is not clamped, so values outside [0, 1] extrapolate.
/// T needs a difference, a product with a double and a sum.
template <typename T> class LinearInterpolator : public Interpolator<T> {
public:
    LinearInterpolator(const T& start, const T& end) : start(start), end(end) {}

    T interpolate(double t) const override { return start + (end - start) * t; }

private:
    T start;
    T end;
};

} // namespace math
} // namespace marlowinds_lib

#endif
