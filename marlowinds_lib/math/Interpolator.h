#ifndef MARLOWINDS_LIB_MATH_INTERPOLATOR_H
#define MARLOWINDS_LIB_MATH_INTERPOLATOR_H

namespace marlowinds_lib {
namespace math {

template <typename T> class Interpolator {
public:
    virtual ~Interpolator() = default;
    virtual T interpolate(double t) const = 0;
};

} // namespace math
} // namespace marlowinds_lib

#endif
