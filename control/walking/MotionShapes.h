#ifndef CONTROL_WALKING_MOTIONSHAPES_H
#define CONTROL_WALKING_MOTIONSHAPES_H

#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace control {
namespace walking {

/// Share of a motion done at t (0 to 1 over the motion's time): none before
/// margin, all from 1 - margin on, a half cosine between, so that the motion
/// starts and ends at rest. Needs 0 <= margin < 1/2.
inline double cosineBlend(double t, double margin) {
    if (t < margin) {
        return 0.0;
    }
    if (t >= 1.0 - margin) {
        return 1.0;
    }
    return (1.0 - std::cos(marlowinds_lib::math::MathUtils::PI * (t - margin) / (1.0 - 2.0 * margin))) / 2.0;
}

/// Shoulder pitch (engine directions) that swings an arm against a foot that
/// is footX ahead of the torso. A gain too large for the arm saturates at the
/// arm's reach instead of giving NaN.
inline double armSwingPitch(double gain, double footX, double armLength) {
    return marlowinds_lib::math::MathUtils::PI / 2.0 - std::asin(std::clamp(gain * footX / armLength, -1.0, 1.0));
}

} // namespace walking
} // namespace control

#endif
