#include "control/MovementSwitchSmoother.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace control {
namespace {

using marlowinds_lib::math::MathUtils;
using representations::NaoJoints;

TEST(MovementSwitchSmootherTest, AllJointsArriveTogetherInStepsOfTenDegrees) {
    NaoJoints target;
    target.setValue(NaoJoints::LEFT_KNEE_PITCH, MathUtils::degreesToRadians(30.0));
    target.setValue(NaoJoints::RIGHT_HIP_ROLL, MathUtils::degreesToRadians(-15.0));
    target.setValue(NaoJoints::NECK_YAW, 1.2); // left out of the step limit
    MovementSwitchSmoother smoother;
    smoother.set(target);
    NaoJoints posture;
    for (const double progress : {10.0, 20.0}) {
        posture = smoother.smooth(posture);
        EXPECT_NEAR(MathUtils::radiansToDegrees(posture.getValue(NaoJoints::LEFT_KNEE_PITCH)), progress, 1e-9);
        EXPECT_NEAR(MathUtils::radiansToDegrees(posture.getValue(NaoJoints::RIGHT_HIP_ROLL)), -progress / 2.0, 1e-9);
    }
    for (const double left : (target - smoother.smooth(posture)).getAsVector()) {
        EXPECT_NEAR(left, 0.0, 1e-12);
    }
}

TEST(MovementSwitchSmootherTest, NoJointButTheNeckMovesMoreThanOneStepAndTheTargetIsReached) {
    const double step = MovementSwitchSmoother::MAXIMUM_JOINT_DISPLACEMENT;
    std::mt19937 random(3);
    std::uniform_real_distribution<double> angle(-2.0, 2.0);
    for (int draw = 0; draw < 100; ++draw) {
        NaoJoints target;
        NaoJoints posture;
        for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            target.setValue(static_cast<NaoJoints::HINGE_JOINTS>(joint), angle(random));
            posture.setValue(static_cast<NaoJoints::HINGE_JOINTS>(joint), angle(random));
        }
        MovementSwitchSmoother smoother;
        smoother.set(target);
        const int callsNeeded = static_cast<int>(std::ceil((target - posture).lInfiniteNorm() / step));
        for (int call = 0; call < callsNeeded; ++call) {
            const NaoJoints next = smoother.smooth(posture);
            EXPECT_LE((next - posture).lInfiniteNorm(), step + 1e-12);
            posture = next;
        }
        EXPECT_EQ(posture.getAsVector(), target.getAsVector());
    }
}

} // namespace
} // namespace control
