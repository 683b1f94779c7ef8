#ifndef MODELING_STATE_ESTIMATION_ODOMETRYMODEL_H
#define MODELING_STATE_ESTIMATION_ODOMETRYMODEL_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/Particle.h"

namespace modeling {
namespace state_estimation {

/// The motion model of the particle filter: every particle moves by the walk's
/// displacement of the last cycle, taken in its own heading, plus noise drawn
/// from the process-wide engine.
class OdometryModel {
public:
    OdometryModel() = default;
    virtual ~OdometryModel() = default;

    /// Moves the n particles. Three draws per particle (x, y, heading), in
    /// index order. Odometry holding a value that is not finite moves nothing
    /// and draws nothing.
    void propagate(Particle* particles, int n, const control::walking::OdometryDistribution& odometry) const;

    marlowinds_lib::math::Pose2D odometryModel(const marlowinds_lib::math::Pose2D& pose) const { return pose; }

    static bool isFinite(const control::walking::OdometryDistribution& odometry);
};

} // namespace state_estimation
} // namespace modeling

#endif
