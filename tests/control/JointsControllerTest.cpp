#include "control/JointsController.h"

#include "representations/RobotTypeProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace control {
namespace {

using representations::NaoJoints;

const double GAIN = 16.37022271802352;

TEST(JointsControllerTest, CommandsFollowTheErrorUpToTheJointsSpeedLimit) {
    const struct {
        int robotType;
        NaoJoints::HINGE_JOINTS joint;
        double error;
        double command;
    } cases[] = {
        {0, NaoJoints::LEFT_SHOULDER_PITCH, 0.0, 0.0},
        {0, NaoJoints::LEFT_SHOULDER_PITCH, 1.0, 6.1395},
        {0, NaoJoints::LEFT_SHOULDER_PITCH, -0.01, -0.1637022271802352},
        {3, NaoJoints::NECK_YAW, -2.0, -6.1395},
        {4, NaoJoints::RIGHT_FOOT_ROLL, 1.0, 6.1395},
        {2, NaoJoints::LEFT_FOOT_ROLL, 1.0, 3.47234},
        {2, NaoJoints::RIGHT_FOOT_ROLL, -1.0, -3.47234},
        {2, NaoJoints::LEFT_FOOT_PITCH, -1.0, -8.80667},
        {2, NaoJoints::RIGHT_FOOT_PITCH, 1.0, 8.80667},
        {2, NaoJoints::RIGHT_KNEE_PITCH, 1.0, 6.1395},
    };
    for (const auto& testCase : cases) {
        JointsController controller(testCase.robotType, GAIN);
        const NaoJoints measured(std::vector<double>(NaoJoints::NUMBER_OF_JOINTS, 0.3));
        NaoJoints target = measured;
        target.setValue(testCase.joint, 0.3 + testCase.error);
        controller.update(target, measured);
        for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
            EXPECT_NEAR(controller.getCommands().getValue(hinge), hinge == testCase.joint ? testCase.command : 0.0,
                        1e-9)
                << "type " << testCase.robotType << " joint " << joint << " error " << testCase.error;
        }
    }
}

TEST(JointsControllerTest, NoCommandExceedsTheJointsSpeedLimitOfTheBodyType) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> angle(-2.5, 2.5);
    for (int robotType = 0; robotType <= 4; ++robotType) {
        const auto profile = representations::RobotTypeProfile::getRobotTypeProfile(
            static_cast<representations::RobotType::ROBOT_TYPE>(robotType));
        NaoJoints limits(std::vector<double>(NaoJoints::NUMBER_OF_JOINTS, 6.1395));
        limits.setValue(NaoJoints::LEFT_FOOT_PITCH, profile.getFootPitchMaxSpeed());
        limits.setValue(NaoJoints::RIGHT_FOOT_PITCH, profile.getFootPitchMaxSpeed());
        limits.setValue(NaoJoints::LEFT_FOOT_ROLL, profile.getFootRollMaxSpeed());
        limits.setValue(NaoJoints::RIGHT_FOOT_ROLL, profile.getFootRollMaxSpeed());

        JointsController controller(robotType, GAIN);
        for (int draw = 0; draw < 500; ++draw) {
            std::vector<double> target(NaoJoints::NUMBER_OF_JOINTS);
            std::vector<double> measured(NaoJoints::NUMBER_OF_JOINTS);
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                target[joint] = angle(random);
                measured[joint] = angle(random);
            }
            controller.update(NaoJoints(target), NaoJoints(measured));
            for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
                const double limit = limits.getValue(hinge);
                const double command = controller.getCommands().getValue(hinge);
                EXPECT_LE(std::fabs(command), limit) << "type " << robotType << " joint " << joint;
                EXPECT_NEAR(command, std::clamp(GAIN * (target[joint] - measured[joint]), -limit, limit), 1e-12);
            }
        }
    }
}

} // namespace
} // namespace control
