#include "decision_making/behavior/kick_behavior/RelativeWithTargetExpectedPoseCalculator.h"

namespace decision_making {
namespace behavior {
namespace kick_behavior {

marlowinds_lib::math::Pose2D
RelativeWithTargetExpectedPoseCalculator::calculateExpectedPosition(const DataToFindExpectedPosition& data) {
    const double kickDirection = (data.target.translation - data.kickedFrom.translation).angle();
    const KickParameters& kick = data.kickParameters;
    return marlowinds_lib::math::Pose2D(kickDirection + kick.getSelfOrientation(),
                                        kick.getRelativeSelfPosition().rotate(kickDirection));
}

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
