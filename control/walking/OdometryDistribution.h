#ifndef CONTROL_WALKING_ODOMETRYDISTRIBUTION_H
#define CONTROL_WALKING_ODOMETRYDISTRIBUTION_H

#include "marlowinds_lib/math/Pose2D.h"

namespace control {
namespace walking {

/// The walk's displacement over one cycle, in the torso frame of the previous
/// cycle, with the standard deviation of each component.
struct OdometryDistribution {
    marlowinds_lib::math::Pose2D mean;
    double sigmaRotation = 0.0;
    double sigmaX = 0.0;
    double sigmaY = 0.0;
};

} // namespace walking
} // namespace control

#endif
