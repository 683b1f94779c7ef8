#ifndef TESTS_DECISION_MAKING_BEHAVIOR_IDEALWALK_H
#define TESTS_DECISION_MAKING_BEHAVIOR_IDEALWALK_H

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "representations/MarlowindsConstants.h"

namespace decision_making {
namespace testing {

/// Where a robot that walks exactly at the commanded velocity (robot frame) is one cycle later.
inline marlowinds_lib::math::Pose2D walkedOneCycle(const marlowinds_lib::math::Pose2D& pose,
                                                   const marlowinds_lib::math::Pose2D& velocity) {
    const double cycle = representations::MarlowindsConstants::SAMPLE_TIME;
    return marlowinds_lib::math::Pose2D(
        marlowinds_lib::math::MathUtils::normalizeAngle(pose.rotation + velocity.rotation * cycle),
        pose.translation + velocity.translation.rotate(pose.rotation) * cycle);
}

} // namespace testing
} // namespace decision_making

#endif
