#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKPARAMETERS_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKPARAMETERS_H

#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// Where the robot must stand before a kick motion starts, in a frame whose
/// x axis points from the ball toward the kick target.
class KickParameters {
public:
    KickParameters() = default;
    KickParameters(const marlowinds_lib::math::Vector2<double>& relativeSelfPosition, double selfOrientation)
        : relativeSelfPosition(relativeSelfPosition), selfOrientation(selfOrientation) {}

    /// The robot's origin relative to the ball (metres).
    const marlowinds_lib::math::Vector2<double>& getRelativeSelfPosition() const { return relativeSelfPosition; }
    /// The robot's heading relative to the kick direction (radians).
    double getSelfOrientation() const { return selfOrientation; }

private:
    marlowinds_lib::math::Vector2<double> relativeSelfPosition;
    double selfOrientation = 0.0;
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
