#ifndef CONTROL_WALKING_ROBOTPHYSICALPARAMETERS_H
#define CONTROL_WALKING_ROBOTPHYSICALPARAMETERS_H

namespace control {
namespace walking {

/// The leg and arm dimensions the walk and the kick plan with (metres and
/// radians, torso frame: x forward, y left, z up). Offsets in y are those of
/// the left side; the right side mirrors them.
struct RobotPhysicalParameters {
    double hipOffsetX = 0.0;      ///< hip joints ahead of the torso origin
    double hipOffsetY = 0.0;      ///< hip joint to the side of the torso origin
    double hipOffsetZ = 0.0;      ///< hip joints above the torso origin (negative: below)
    double footOffsetX = 0.0;     ///< foot reference point ahead of the ankle, in the foot's frame
    double footOffsetY = 0.0;     ///< foot reference point to the outside of the ankle
    double footOffsetZ = 0.0;     ///< ankle above the sole, negated
    double thighLength = 0.0;     ///< hip to knee
    double tibiaLength = 0.0;     ///< knee to ankle
    double hipPitchOffset = 0.0;  ///< hip pitch that the thigh's slant adds
    double kneePitchOffset = 0.0; ///< knee pitch that the thigh's slant adds
    double footPitchOffset = 0.0;
    double armLength = 0.0; ///< shoulder to hand, for the walk's arm swing

    /// The simulated NAO; every body type walks with these.
    static RobotPhysicalParameters getNaoPhysicalParameters();
};

} // namespace walking
} // namespace control

#endif
