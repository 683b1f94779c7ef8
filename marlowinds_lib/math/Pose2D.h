#ifndef MARLOWINDS_LIB_MATH_POSE2D_H
#define MARLOWINDS_LIB_MATH_POSE2D_H

#include "marlowinds_lib/math/Vector2.h"

namespace marlowinds_lib {
namespace math {

/// A planar pose: heading (radians) and position. Also used for velocities
/// (turning speed, forward and leftward speed) and odometry increments.
struct Pose2D {
    double rotation = 0.0;
    Vector2<double> translation;

    constexpr Pose2D() = default;
    constexpr Pose2D(double rotation, double x, double y) : rotation(rotation), translation(x, y) {}
    constexpr Pose2D(double rotation, const Vector2<double>& translation)
        : rotation(rotation), translation(translation) {}

    constexpr bool operator==(const Pose2D& other) const {
        return rotation == other.rotation && translation == other.translation;
    }
    constexpr bool operator!=(const Pose2D& other) const { return !(*this == other); }
};

} // namespace math
} // namespace marlowinds_lib

#endif
