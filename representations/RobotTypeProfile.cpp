#include "representations/RobotTypeProfile.h"

#include "representations/MarlowindsConstants.h"

namespace representations {

RobotTypeProfile::RobotTypeProfile(double hip1TranslationX, double hip1TranslationZ, double thighTranslationZ,
                                   double ankleTranslationZ, double elbowTranslationY, double footPitchMaxSpeed,
                                   double footRollMaxSpeed, bool useToe, double toeLength)
    : hip1TranslationX(hip1TranslationX), hip1TranslationZ(hip1TranslationZ), thighTranslationZ(thighTranslationZ),
      ankleTranslationZ(ankleTranslationZ), elbowTranslationY(elbowTranslationY),
      footPitchMaxSpeed(footPitchMaxSpeed), footRollMaxSpeed(footRollMaxSpeed), useToe(useToe),
      toeLength(toeLength) {}

RobotTypeProfile RobotTypeProfile::getRobotTypeProfile(RobotType::ROBOT_TYPE type) {
    constexpr double SPEED = MarlowindsConstants::DEFAULT_JOINT_MAX_SPEED;
    switch (type) {
    case RobotType::NAO_TYPE_0:
        return {0.055, -0.115, -0.04, -0.055, 0.07, SPEED, SPEED, false, 0.0};
    case RobotType::NAO_TYPE_1:
        return {0.055, -0.115, -0.05832, -0.07332, 0.10664, SPEED, SPEED, false, 0.0};
    case RobotType::NAO_TYPE_2:
        return {0.055, -0.115, -0.05832, -0.07332, 0.10664, 8.80667, 3.47234, false, 0.0};
    case RobotType::NAO_TYPE_3:
        return {0.072954143, -0.115, -0.067868424, -0.082868424, 0.125736848, SPEED, SPEED, false, 0.0};
    case RobotType::NAO_TYPE_4:
        return {0.055, -0.115, -0.04, -0.055, 0.07, SPEED, SPEED, true, 0.035517656};
    }
    return {};
}

} // namespace representations
