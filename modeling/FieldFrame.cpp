#include "modeling/FieldFrame.h"

#include <cmath>

namespace modeling {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

Vector2<double> FieldFrame::toFieldPoint(const Pose2D& selfPose, const Vector2<double>& local) {
    const float heading = static_cast<float>(selfPose.rotation);
    const double c = static_cast<double>(std::cos(heading));
    const double s = static_cast<double>(std::sin(heading));
    return Vector2<double>(selfPose.translation.x + c * local.x - s * local.y,
                           selfPose.translation.y + s * local.x + c * local.y);
}

Pose2D FieldFrame::toFieldPosition(const Pose2D& selfPose, const Pose2D& local) {
    return Pose2D(selfPose.rotation + local.rotation, toFieldPoint(selfPose, local.translation));
}

Pose2D FieldFrame::toFieldVelocity(const Pose2D& selfPose, const Pose2D& localVelocity) {
    const double c = std::cos(selfPose.rotation);
    const double s = std::sin(selfPose.rotation);
    const double vx = localVelocity.translation.x;
    const double vy = localVelocity.translation.y;
    return Pose2D(0.0, vx * c - vy * s, vx * s + vy * c);
}

} // namespace modeling
