#ifndef REPRESENTATIONS_ROBOTTYPEPROFILE_H
#define REPRESENTATIONS_ROBOTTYPEPROFILE_H

#include "representations/RobotType.h"

namespace representations {

/// Fixed body dimensions (metres) and foot joint speed limits (rad/s) of one body type.
class RobotTypeProfile {
public:
    RobotTypeProfile() = default;
    RobotTypeProfile(double hip1TranslationX, double hip1TranslationZ, double thighTranslationZ,
                     double ankleTranslationZ, double elbowTranslationY, double footPitchMaxSpeed,
                     double footRollMaxSpeed, bool useToe, double toeLength);
    virtual ~RobotTypeProfile() = default;

    /// The profile of a body type; any value outside 0..4 gives the all-zero profile.
    static RobotTypeProfile getRobotTypeProfile(RobotType::ROBOT_TYPE type);

    double getHip1TranslationX() const { return hip1TranslationX; }
    double getHip1TranslationZ() const { return hip1TranslationZ; }
    double getThighTranslationZ() const { return thighTranslationZ; }
    double getAnkleTranslationZ() const { return ankleTranslationZ; }
    double getElbowTranslationY() const { return elbowTranslationY; }
    double getFootPitchMaxSpeed() const { return footPitchMaxSpeed; }
    double getFootRollMaxSpeed() const { return footRollMaxSpeed; }
    bool getUseToe() const { return useToe; }
    double getToeLength() const { return toeLength; }

private:
    double hip1TranslationX = 0.0;
    double hip1TranslationZ = 0.0;
    double thighTranslationZ = 0.0;
    double ankleTranslationZ = 0.0;
    double elbowTranslationY = 0.0;
    double footPitchMaxSpeed = 0.0;
    double footRollMaxSpeed = 0.0;
    bool useToe = false;
    double toeLength = 0.0;
};

} // namespace representations

#endif
