#include "control/JointsController.h"

#include "representations/RobotTypeProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace control {
namespace {

using representations::NaoJoints;

TEST(JointsControllerTest, CommandsAreTheGainTimesTheErrorWithinTheBodyTypesSpeedLimits) {
    const double gain = 16.37022271802352;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> angle(-2.5, 2.5);
    for (int robotType = 0; robotType <= 4; ++robotType) {
        const auto profile = representations::RobotTypeProfile::getRobotTypeProfile(
            static_cast<representations::RobotType::ROBOT_TYPE>(robotType));
        NaoJoints limits(std::vector<double>(NaoJoints::NUMBER_OF_JOINTS, 6.1395));
        for (const auto foot : {NaoJoints::LEFT_FOOT_PITCH, NaoJoints::RIGHT_FOOT_PITCH}) {
            limits.setValue(foot, profile.getFootPitchMaxSpeed());
        }
        for (const auto foot : {NaoJoints::LEFT_FOOT_ROLL, NaoJoints::RIGHT_FOOT_ROLL}) {
            limits.setValue(foot, profile.getFootRollMaxSpeed());
        }

        JointsController controller(robotType, gain);
        for (int draw = 0; draw < 500; ++draw) {
            NaoJoints target;
            NaoJoints measured;
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                target.setValue(static_cast<NaoJoints::HINGE_JOINTS>(joint), angle(random));
                measured.setValue(static_cast<NaoJoints::HINGE_JOINTS>(joint), angle(random));
            }
            controller.update(target, measured);
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
                const double limit = limits.getValue(hinge);
                const double error = target.getValue(hinge) - measured.getValue(hinge);
                EXPECT_NEAR(controller.getCommands().getValue(hinge), std::clamp(gain * error, -limit, limit), 1e-12)
                    << "type " << robotType << " joint " << joint;
            }
        }
    }
}

} // namespace
} // namespace control
