#ifndef MODELING_FIELDFRAME_H
#define MODELING_FIELDFRAME_H

#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"

namespace modeling {

/// Turns what a tracker estimates in the robot frame into field coordinates
/// with the agent's own global pose.
class FieldFrame {
public:
    virtual ~FieldFrame() = default;

    /// The local point turned by the self heading and added to the self
    /// position. The heading's cosine and sine are taken in single precision,
    /// as every field position of the world model and of the line matching is
    /// composed.
    static marlowinds_lib::math::Vector2<double> toFieldPoint(const marlowinds_lib::math::Pose2D& selfPose,
                                                              const marlowinds_lib::math::Vector2<double>& local);
    /// The composition of selfPose with local: rotations added, the translation
    /// placed with toFieldPoint.
    static marlowinds_lib::math::Pose2D toFieldPosition(const marlowinds_lib::math::Pose2D& selfPose,
                                                        const marlowinds_lib::math::Pose2D& local);
    /// The local velocity's translation turned by the self heading; rotation 0.
    static marlowinds_lib::math::Pose2D toFieldVelocity(const marlowinds_lib::math::Pose2D& selfPose,
                                                        const marlowinds_lib::math::Pose2D& localVelocity);
};

} // namespace modeling

#endif
