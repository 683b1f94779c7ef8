#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_RELATIVEWITHTARGETEXPECTEDPOSECALCULATOR_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_RELATIVEWITHTARGETEXPECTEDPOSECALCULATOR_H

#include "decision_making/behavior/kick_behavior/KickParameters.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// What the pose to kick from depends on: the ball's pose, the target's pose
/// (only their positions count) and the kick.
struct DataToFindExpectedPosition {
    DataToFindExpectedPosition(const marlowinds_lib::math::Pose2D& kickedFrom,
                               const marlowinds_lib::math::Pose2D& target, const KickParameters& kickParameters)
        : kickedFrom(kickedFrom), target(target), kickParameters(kickParameters) {}

    marlowinds_lib::math::Pose2D kickedFrom;
    marlowinds_lib::math::Pose2D target;
    KickParameters kickParameters;
};

/// The pose from which a kick sends the ball toward the target.
class RelativeWithTargetExpectedPoseCalculator {
public:
    RelativeWithTargetExpectedPoseCalculator() = delete;

    /// Heading in the field frame, position relative to the ball: add the
    /// ball's position for field coordinates.
    static marlowinds_lib::math::Pose2D calculateExpectedPosition(const DataToFindExpectedPosition& data);
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
