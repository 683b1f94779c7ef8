#include "control/ControlImpl.h"

#include "control/IdleState.h"
#include "control/KeyframeMovementState.h"
#include "control/KeyframeRequest.h"
#include "control/LookRequest.h"
#include "representations/MarlowindsConstants.h"
#include "tests/control/ControlLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

namespace control {
namespace {

using representations::NaoJoints;

/// Reaches one posture, holds it, moves to a second and holds that: 1.8 s with
/// the approach. Joint directions of the engines; the neck is set to show that
/// no page drives it.
const std::string REACH_PAGE = R"({"name": "reach", "interpolator": "linear", "steps": [
    {"delta": 0.4, "neckYaw": 0.5, "leftShoulderPitch": 1.0, "leftHipPitch": -0.6, "leftKneePitch": 1.2,
     "rightArmRoll": 0.7},
    {"delta": 0.4, "neckYaw": 0.5, "leftShoulderPitch": 1.0, "leftHipPitch": -0.6, "leftKneePitch": 1.2,
     "rightArmRoll": 0.7},
    {"delta": 0.6, "leftShoulderPitch": -0.5, "leftHipPitch": -0.2, "leftKneePitch": 0.4, "rightArmRoll": -0.3},
    {"delta": 0.4, "leftShoulderPitch": -0.5, "leftHipPitch": -0.2, "leftKneePitch": 0.4, "rightArmRoll": -0.3}]})";
constexpr double REACH_DURATION = 1.8;

NaoJoints posture(double shoulder, double hip, double knee, double armRoll) {
    NaoJoints joints;
    joints.setValue(NaoJoints::LEFT_SHOULDER_PITCH, shoulder);
    joints.setValue(NaoJoints::LEFT_HIP_PITCH, hip);
    joints.setValue(NaoJoints::LEFT_KNEE_PITCH, knee);
    joints.setValue(NaoJoints::RIGHT_ARM_ROLL, armRoll);
    return joints;
}

/// What the plant shows for a posture of the engines, mirrored or not.
NaoJoints asPerceived(const NaoJoints& engine, bool inverted) {
    return (inverted ? NaoJoints::getSimetricPositions(engine) : engine) * NaoJoints::getNaoDirectionsFixing();
}

double distance(const NaoJoints& a, const NaoJoints& b) { return (a - b).lInfiniteNorm(); }

TEST(ControlImplTest, AKeyframePageReachesItsPosturesWhileTheNeckStaysWithTheLookRequest) {
    for (const bool inverted : {false, true}) {
        SCOPED_TRACE(inverted ? "mirrored" : "plain");
        tests::ControlLoop loop;
        loop.loadPages({REACH_PAGE});
        const NaoJoints first = asPerceived(posture(1.0, -0.6, 1.2, 0.7), inverted);
        const NaoJoints second = asPerceived(posture(-0.5, -0.2, 0.4, -0.3), inverted);
        double closestToFirst = 1.0;
        std::optional<double> start;
        for (int cycle = 0; cycle < 200; ++cycle) {
            loop.cycle(std::make_shared<KeyframeRequest>("reach", inverted));
            start = start.value_or(loop.time());
            closestToFirst = std::min(closestToFirst, distance(loop.perceived(), first));
            EXPECT_EQ(loop.perceived().getValue(NaoJoints::NECK_YAW), 0.0);
            if (loop.runs<IdleState>()) {
                break;
            }
        }
        ASSERT_TRUE(loop.runs<IdleState>()) << "the page did not end";
        EXPECT_NEAR(loop.time() - *start, REACH_DURATION, 0.021);
        EXPECT_LT(closestToFirst, 0.01);
        EXPECT_LT(distance(loop.perceived(), second), 0.01);
    }
}

TEST(ControlImplTest, TheCycleDrivesTheNeckByTheLookRequestAndTheBodyByTheMovementOrTowardsZero) {
    const NaoJoints reached = asPerceived(posture(1.0, -0.6, 1.2, 0.7), false);
    const struct {
        const char* name;
        bool moving;
        std::shared_ptr<LookRequest> look;
        NaoJoints bodyTarget;
    } cases[] = {
        {"nothing requested", false, nullptr, NaoJoints()},
        {"look only", false, std::make_shared<LookRequest>(0.3, -0.2), NaoJoints()},
        {"page and look", true, std::make_shared<LookRequest>(-1.0, 0.4), reached},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        tests::ControlLoop loop;
        loop.loadPages({REACH_PAGE});
        for (int cycle = 0; cycle < 30; ++cycle) {
            loop.cycle(std::make_shared<KeyframeRequest>("reach", false));
        }
        ASSERT_LT(distance(loop.perceived(), reached), 0.01);

        loop.cycle(testCase.moving ? std::make_shared<KeyframeRequest>("reach", false) : nullptr, testCase.look);
        NaoJoints target = testCase.bodyTarget;
        if (testCase.look) {
            target.setValue(NaoJoints::NECK_YAW, testCase.look->getPan());
            target.setValue(NaoJoints::NECK_PITCH, testCase.look->getTilt());
        }
        const NaoJoints& commands = loop.control.getJointsCommands();
        for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
            const double error = target.getValue(hinge) - loop.perceived().getValue(hinge);
            const double limit = representations::MarlowindsConstants::DEFAULT_JOINT_MAX_SPEED;
            EXPECT_NEAR(commands.getValue(hinge),
                        std::clamp(ControlImpl::JOINTS_CONTROLLER_GAIN * error, -limit, limit), 1e-9)
                << "joint " << joint;
        }
    }
}

} // namespace
} // namespace control
