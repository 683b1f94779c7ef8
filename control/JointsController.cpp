#include "control/JointsController.h"

#include "representations/MarlowindsConstants.h"
#include "representations/RobotTypeProfile.h"

namespace control {

using representations::NaoJoints;

JointsController::JointsController(int robotType, double gain) {
    const auto profile = representations::RobotTypeProfile::getRobotTypeProfile(
        static_cast<representations::RobotType::ROBOT_TYPE>(robotType));
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        double speedLimit = representations::MarlowindsConstants::DEFAULT_JOINT_MAX_SPEED;
        if (joint == NaoJoints::LEFT_FOOT_PITCH || joint == NaoJoints::RIGHT_FOOT_PITCH) {
            speedLimit = profile.getFootPitchMaxSpeed();
        } else if (joint == NaoJoints::LEFT_FOOT_ROLL || joint == NaoJoints::RIGHT_FOOT_ROLL) {
            speedLimit = profile.getFootRollMaxSpeed();
        }
        controllers[joint].setParams(gain, speedLimit);
    }
}

void JointsController::update(const NaoJoints& target, const NaoJoints& measured) {
    const NaoJoints error = target - measured;
    for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
        commands.setValue(hinge, controllers[joint].update(error.getValue(hinge)));
    }
}

} // namespace control
