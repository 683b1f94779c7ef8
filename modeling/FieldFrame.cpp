#include "modeling/FieldFrame.h"

#include <cmath>

namespace modeling {

using marlowinds_lib::math::Pose2D;

Pose2D FieldFrame::toFieldPosition(const Pose2D& selfPose, const Pose2D& local) {
    const float heading = static_cast<float>(selfPose.rotation);
    const double c = static_cast<double>(std::cos(heading));
    const double s = static_cast<double>(std::sin(heading));
    const double lx = local.translation.x;
    const double ly = local.translation.y;
    return Pose2D(selfPose.rotation + local.rotation, selfPose.translation.x + c * lx - s * ly,
                  selfPose.translation.y + s * lx + c * ly);
}

Pose2D FieldFrame::toFieldVelocity(const Pose2D& selfPose, const Pose2D& localVelocity) {
    const double c = std::cos(selfPose.rotation);
    const double s = std::sin(selfPose.rotation);
    const double vx = localVelocity.translation.x;
    const double vy = localVelocity.translation.y;
    return Pose2D(0.0, vx * c - vy * s, vx * s + vy * c);
}

} // namespace modeling
