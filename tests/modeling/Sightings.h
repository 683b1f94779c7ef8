#ifndef TESTS_MODELING_SIGHTINGS_H
#define TESTS_MODELING_SIGHTINGS_H

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "perception/VisibleBall.h"
#include "perception/VisiblePlayer.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace modeling {
namespace testing {

/// A ball seen at a root-frame point.
inline perception::VisibleBall ballAt(const marlowinds_lib::math::Vector3<double>& point) {
    perception::VisibleBall ball;
    ball.transformPosition(marlowinds_lib::math::Pose3D(point));
    return ball;
}

/// A player seen at a root-frame point, with one body part above it at each of
/// the given heights.
inline perception::VisiblePlayer playerAt(const marlowinds_lib::math::Vector3<double>& point,
                                          const std::vector<double>& partHeights = {}) {
    perception::VisiblePlayer player;
    for (std::size_t i = 0; i < partHeights.size(); ++i) {
        player.setBodyPartPosition("part" + std::to_string(i),
                                   marlowinds_lib::math::Vector3<double>(0.0, 0.0, partHeights[i]));
    }
    player.transformPosition(marlowinds_lib::math::Pose3D(point));
    return player;
}

/// Where a point fixed on the ground appears after the robot moved by odometry
/// (a turn, then a displacement in the previous frame).
inline marlowinds_lib::math::Vector3<double> afterRobotMoved(const marlowinds_lib::math::Vector3<double>& point,
                                                             const marlowinds_lib::math::Pose2D& odometry) {
    const double dx = point.x - odometry.translation.x;
    const double dy = point.y - odometry.translation.y;
    const double c = std::cos(odometry.rotation);
    const double s = std::sin(odometry.rotation);
    return {c * dx + s * dy, -s * dx + c * dy, point.z};
}

/// A camera whose readings err like the simulator's vision: the distance by a
/// share of itself, both angles by a fraction of a degree. Draws from the
/// process-wide engine.
class NoisyCamera {
public:
    static constexpr double DISTANCE_ERROR_PER_METRE = 0.01;
    static constexpr double ANGLE_ERROR = 0.15 * marlowinds_lib::math::MathUtils::PI / 180.0;

    marlowinds_lib::math::Vector3<double> see(const marlowinds_lib::math::Vector3<double>& truth) {
        const double distance = truth.norm() * (1.0 + DISTANCE_ERROR_PER_METRE * standard());
        const double horizontal = std::atan2(truth.y, truth.x) + ANGLE_ERROR * standard();
        const double latitude = std::asin(truth.z / truth.norm()) + ANGLE_ERROR * standard();
        return {distance * std::cos(latitude) * std::cos(horizontal),
                distance * std::cos(latitude) * std::sin(horizontal), distance * std::sin(latitude)};
    }

private:
    marlowinds_lib::math::NormalRandomGenerator standard =
        marlowinds_lib::math::MathUtils::getNormalRandomGenerator(0.0, 1.0);
};

} // namespace testing
} // namespace modeling

#endif
