#include "control/walking/RobotPhysicalParameters.h"

#include <cmath>

namespace control {
namespace walking {

RobotPhysicalParameters RobotPhysicalParameters::getNaoPhysicalParameters() {
    // The knee sits 5 mm ahead of the hip, 12 cm below it; the slant is taken
    // out of the hip and knee pitch so that a zero pitch means a vertical thigh.
    const double kneeAheadOfHip = 0.005;
    const double kneeBelowHip = 0.12;
    const double thighSlant = std::atan(kneeAheadOfHip / kneeBelowHip);

    RobotPhysicalParameters nao;
    nao.hipOffsetX = -0.01;
    nao.hipOffsetY = 0.055;
    nao.hipOffsetZ = -0.115;
    nao.footOffsetX = 0.03;
    nao.footOffsetY = 0.0;
    nao.footOffsetZ = -0.04;
    nao.thighLength = std::hypot(kneeBelowHip, kneeAheadOfHip);
    nao.tibiaLength = 0.1;
    nao.hipPitchOffset = -thighSlant;
    nao.kneePitchOffset = thighSlant;
    nao.footPitchOffset = 0.0;
    nao.armLength = 0.2;
    return nao;
}

} // namespace walking
} // namespace control
