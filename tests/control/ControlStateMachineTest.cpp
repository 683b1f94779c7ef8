#include "control/ControlStateMachine.h"

#include "control/IdleState.h"
#include "control/KeyframeMovementState.h"
#include "control/KeyframeRequest.h"
#include "control/KickRequest.h"
#include "control/NeuralMovementState.h"
#include "control/NeuralRequest.h"
#include "control/WalkRequest.h"
#include "tests/control/ControlLoop.h"
#include "tests/control/neural_network/LinearMotionGraph.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace control {
namespace {

using representations::NaoJoints;

/// Bends the left knee and holds it there long enough for the joint to arrive.
const std::string PAGE = R"({"name": "bend", "steps": [{"delta": 0.2, "leftKneePitch": 0.6},
    {"delta": 0.5, "leftKneePitch": 1.0}, {"delta": 0.2, "leftKneePitch": 1.0}]})";
constexpr double PAGE_DURATION = 0.9;

std::shared_ptr<MovementRequest> bend() { return std::make_shared<KeyframeRequest>("bend", false); }

/// Runs cycles with the request until the machine is idle again; the seconds
/// from the first cycle to the last, or a negative number when it never ends.
double playToTheEnd(tests::ControlLoop& loop, const std::function<std::shared_ptr<MovementRequest>(int)>& request) {
    double start = 0.0;
    for (int cycle = 0; cycle < 500; ++cycle) {
        loop.cycle(request(cycle));
        if (cycle == 0) {
            start = loop.time();
        }
        if (loop.runs<IdleState>()) {
            return loop.time() - start;
        }
    }
    return -1.0;
}

TEST(ControlStateMachineTest, AKeyframeMovementIgnoresOtherRequestsAndEndsWithItsPage) {
    tests::ControlLoop loop;
    loop.loadPages({PAGE});
    const std::function<std::shared_ptr<MovementRequest>(int)> others[] = {
        [](int) { return bend(); },
        [](int cycle) -> std::shared_ptr<MovementRequest> {
            switch (cycle % 4) {
            case 1:
                return std::make_shared<WalkRequest>(marlowinds_lib::math::Pose2D(0.0, 0.3, 0.0));
            case 2:
                return std::make_shared<KickRequest>();
            case 3:
                return std::make_shared<NeuralRequest>("kick/none");
            default:
                return bend();
            }
        },
    };
    for (const auto& request : others) {
        EXPECT_NEAR(playToTheEnd(loop, request), PAGE_DURATION, 0.021);
        EXPECT_NEAR(loop.perceived().getValue(NaoJoints::LEFT_KNEE_PITCH), -1.0, 0.01);
    }
    // The request given again once the machine is idle starts the page again, from its approach.
    loop.cycle(bend());
    EXPECT_TRUE(loop.runs<KeyframeMovementState>());
}

TEST(ControlStateMachineTest, AnUnknownPageEndsTheMovementAtOnceAndTheBodyKeepsItsTargets) {
    tests::ControlLoop loop;
    loop.loadPages({PAGE});
    testing::internal::CaptureStderr();
    for (int cycle = 0; cycle < 3; ++cycle) {
        loop.cycle(std::make_shared<KeyframeRequest>("noSuchPage", false));
        EXPECT_TRUE(loop.runs<IdleState>());
        EXPECT_EQ(loop.control.getStateMachine().getDesiredJoints().lInfiniteNorm(), 0.0);
    }
    ASSERT_GT(playToTheEnd(loop, [](int) { return bend(); }), 0.0);
    const NaoJoints bent = loop.control.getStateMachine().getDesiredJoints();
    for (int cycle = 0; cycle < 3; ++cycle) {
        loop.cycle(std::make_shared<KeyframeRequest>("noSuchPage", true));
        EXPECT_TRUE(loop.runs<IdleState>());
    }
    EXPECT_EQ(loop.control.getStateMachine().getDesiredJoints().getAsVector(), bent.getAsVector());
    EXPECT_NEAR(loop.perceived().getValue(NaoJoints::LEFT_KNEE_PITCH), -1.0, 0.01);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("\"noSuchPage\""), std::string::npos) << reported;
    EXPECT_EQ(reported.find("\"noSuchPage\""), reported.rfind("\"noSuchPage\"")) << "reported more than once";
}

TEST(ControlStateMachineTest, ANeuralMotionStartsFromTimeZeroAndEndsOnItsSignal) {
    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    tests::writeLinearMotion("kick/test", 0.1F);
    tests::ControlLoop loop;
    const auto request = std::make_shared<NeuralRequest>("kick/test");

    loop.cycle(request);
    ASSERT_TRUE(loop.runs<NeuralMovementState>());
    const NaoJoints& desired = loop.control.getStateMachine().getDesiredJoints();
    EXPECT_NEAR(desired.getValue(NaoJoints::RIGHT_FOOT_ROLL), 0.1, 1e-7); // fed exactly 0
    const double start = loop.time();
    ASSERT_GT(playToTheEnd(loop, [&](int) { return request; }), 0.0);
    EXPECT_NEAR(loop.time() - start, 0.92, 0.021); // the first time fed above 0.9
    EXPECT_NEAR(desired.getValue(NaoJoints::RIGHT_FOOT_ROLL), 0.22 * (loop.time() - start) + 0.1, 1e-6);

    // Without its graph a motion ends in its first cycle and leaves the targets as they were.
    testing::internal::CaptureStderr();
    const NaoJoints before = desired;
    loop.cycle(std::make_shared<NeuralRequest>("kick/missing"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("kick/missing"), std::string::npos);
    EXPECT_TRUE(loop.runs<IdleState>());
    EXPECT_EQ(desired.getAsVector(), before.getAsVector());
}

} // namespace
} // namespace control
