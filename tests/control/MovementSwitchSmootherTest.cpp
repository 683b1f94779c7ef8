#include "control/MovementSwitchSmoother.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace control {
namespace {

using marlowinds_lib::math::MathUtils;
using representations::NaoJoints;

const double STEP = MovementSwitchSmoother::MAXIMUM_JOINT_DISPLACEMENT;

TEST(MovementSwitchSmootherTest, AllJointsArriveTogetherInStepsOfTenDegrees) {
    NaoJoints target;
    target.setValue(NaoJoints::LEFT_KNEE_PITCH, MathUtils::degreesToRadians(30.0));
    target.setValue(NaoJoints::RIGHT_HIP_ROLL, MathUtils::degreesToRadians(-15.0));
    MovementSwitchSmoother smoother;
    smoother.set(target);

    NaoJoints posture;
    for (const double progress : {10.0, 20.0, 30.0}) {
        posture = smoother.smooth(posture);
        EXPECT_NEAR(MathUtils::radiansToDegrees(posture.getValue(NaoJoints::LEFT_KNEE_PITCH)), progress, 1e-9);
        EXPECT_NEAR(MathUtils::radiansToDegrees(posture.getValue(NaoJoints::RIGHT_HIP_ROLL)), -progress / 2.0, 1e-9);
    }
}

TEST(MovementSwitchSmootherTest, ANeckOnlyDifferenceIsBridgedAtOnce) {
    NaoJoints target;
    target.setValue(NaoJoints::NECK_YAW, 1.2);
    target.setValue(NaoJoints::LEFT_ARM_ROLL, 0.4);
    NaoJoints current;
    current.setValue(NaoJoints::LEFT_ARM_ROLL, 0.4);
    MovementSwitchSmoother smoother;
    smoother.set(target);
    EXPECT_EQ(smoother.smooth(current).getAsVector(), target.getAsVector());
}

TEST(MovementSwitchSmootherTest, NoJointButTheNeckMovesMoreThanOneStepAndTheTargetIsReached) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> angle(-2.0, 2.0);
    const auto randomPosture = [&] {
        std::vector<double> values(NaoJoints::NUMBER_OF_JOINTS);
        for (double& value : values) {
            value = angle(random);
        }
        return NaoJoints(values);
    };
    for (int draw = 0; draw < 100; ++draw) {
        const NaoJoints target = randomPosture();
        NaoJoints posture = randomPosture();
        MovementSwitchSmoother smoother;
        smoother.set(target);
        const int callsNeeded = static_cast<int>(std::ceil((target - posture).lInfiniteNorm() / STEP));
        for (int call = 0; call < callsNeeded; ++call) {
            const NaoJoints next = smoother.smooth(posture);
            EXPECT_LE((next - posture).lInfiniteNorm(), STEP + 1e-12);
            posture = next;
        }
        EXPECT_EQ(posture.getAsVector(), target.getAsVector());
    }
}

} // namespace
} // namespace control
