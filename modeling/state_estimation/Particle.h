#ifndef MODELING_STATE_ESTIMATION_PARTICLE_H
#define MODELING_STATE_ESTIMATION_PARTICLE_H

#include "marlowinds_lib/math/Pose2D.h"

namespace modeling {
namespace state_estimation {

/// One pose hypothesis of the localizer (heading, x, y in the field frame) with its weight.
class Particle {
public:
    Particle() = default;
    explicit Particle(const marlowinds_lib::math::Pose2D& pose) : pose(pose) {}

    const marlowinds_lib::math::Pose2D& getPose() const { return pose; }
    double getWeight() const { return weight; }
    void setPose(const marlowinds_lib::math::Pose2D& newPose) { pose = newPose; }
    void setWeight(double newWeight) { weight = newWeight; }

private:
    marlowinds_lib::math::Pose2D pose;
    double weight = 0.0;
};

} // namespace state_estimation
} // namespace modeling

#endif
