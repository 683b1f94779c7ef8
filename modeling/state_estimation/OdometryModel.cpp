#include "modeling/state_estimation/OdometryModel.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <cmath>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

void OdometryModel::propagate(Particle* particles, int n,
                              const control::walking::OdometryDistribution& odometry) const {
    if (particles == nullptr || !isFinite(odometry)) {
        return;
    }
    // A negative deviation gives the same spread as its magnitude; the
    // distribution itself refuses it.
    auto noiseX = MathUtils::getNormalRandomGenerator(0.0, std::abs(odometry.sigmaX));
    auto noiseY = MathUtils::getNormalRandomGenerator(0.0, std::abs(odometry.sigmaY));
    auto noiseRotation = MathUtils::getNormalRandomGenerator(0.0, std::abs(odometry.sigmaRotation));
    const Pose2D& mean = odometry.mean;
    for (int i = 0; i < n; ++i) {
        const Pose2D& pose = particles[i].getPose();
        const double cosHeading = std::cos(pose.rotation);
        const double sinHeading = std::sin(pose.rotation);
        const double x =
            pose.translation.x + mean.translation.x * cosHeading - mean.translation.y * sinHeading + noiseX();
        const double y =
            pose.translation.y + mean.translation.x * sinHeading + mean.translation.y * cosHeading + noiseY();
        const double heading = MathUtils::normalizeAngle(pose.rotation + mean.rotation + noiseRotation());
        particles[i].setPose(Pose2D(heading, x, y));
    }
}

bool OdometryModel::isFinite(const control::walking::OdometryDistribution& odometry) {
    return std::isfinite(odometry.mean.rotation) && std::isfinite(odometry.mean.translation.x) &&
           std::isfinite(odometry.mean.translation.y) && std::isfinite(odometry.sigmaRotation) &&
           std::isfinite(odometry.sigmaX) && std::isfinite(odometry.sigmaY);
}

} // namespace state_estimation
} // namespace modeling
