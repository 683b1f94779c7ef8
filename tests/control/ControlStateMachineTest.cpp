#include "control/ControlStateMachine.h"

#include "control/IdleState.h"
#include "control/KeyframeMovementState.h"
#include "control/KeyframeRequest.h"
#include "control/KickMovementState.h"
#include "control/KickRequest.h"
#include "control/MovementSwitchSmoother.h"
#include "control/NeuralMovementState.h"
#include "control/NeuralRequest.h"
#include "control/WalkMovementState.h"
#include "control/WalkRequest.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "tests/control/ControlLoop.h"
#include "tests/control/PostureChecks.h"
#include "tests/control/neural_network/LinearMotionGraph.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

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
    const std::shared_ptr<MovementRequest> others[] = {
        bend(), std::make_shared<WalkRequest>(marlowinds_lib::math::Pose2D(0.0, 0.3, 0.0)),
        std::make_shared<KickRequest>(), std::make_shared<NeuralRequest>("kick/none")};
    EXPECT_NEAR(playToTheEnd(loop, [&](int cycle) { return others[cycle % 4]; }), PAGE_DURATION, 0.021);
    EXPECT_NEAR(loop.perceived().getValue(NaoJoints::LEFT_KNEE_PITCH), -1.0, 0.01);
    // The request given again once the machine is idle starts the page again.
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

TEST(ControlStateMachineTest, AJointTargetThatIsNotANumberHoldsTheJointWhereItIs) {
    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    tests::writeLinearMotion("kick/broken", std::numeric_limits<float>::quiet_NaN());
    tests::ControlLoop loop;
    loop.loadPages({PAGE});
    ASSERT_GT(playToTheEnd(loop, [](int) { return bend(); }), 0.0);
    const double bent = loop.perceived().getValue(NaoJoints::LEFT_KNEE_PITCH);

    testing::internal::CaptureStderr();
    const auto request = std::make_shared<NeuralRequest>("kick/broken");
    ASSERT_GT(playToTheEnd(loop, [&](int) { return request; }), 0.0);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loop.commandsAreFinite());
    EXPECT_NEAR(loop.perceived().getValue(NaoJoints::LEFT_KNEE_PITCH), bent, 1e-3);
    EXPECT_NE(reported.find("not a number"), std::string::npos) << reported;
    EXPECT_EQ(reported.find("not a number"), reported.rfind("not a number")) << "reported more than once";
}

std::shared_ptr<MovementRequest> walkForward(WalkMode mode = WalkMode::SPRINT) {
    return std::make_shared<WalkRequest>(marlowinds_lib::math::Pose2D(0.0, 0.2, 0.0), mode);
}

/// Walks until the body has reached the walk's first pose; false when it never does.
bool startWalking(tests::ControlLoop& loop, WalkMode mode = WalkMode::SPRINT) {
    for (int cycle = 0; cycle < 100; ++cycle) {
        loop.cycle(walkForward(mode));
        if (loop.machine().hasWalkAdvanced()) {
            return true;
        }
    }
    return false;
}

TEST(ControlStateMachineTest, AWalkEndsWithTwoClosingStepsAfterAnotherRequestWhichThenStartsInTheNextCycle) {
    tests::ShippedWalkSets walkSets;
    tests::ControlLoop loop;
    loop.loadPages({PAGE});
    ASSERT_TRUE(startWalking(loop));
    double walked = 0.0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        loop.cycle(walkForward());
        ASSERT_TRUE(loop.commandsAreFinite());
        walked += loop.control.getWalkOdometry().mean.translation.x;
    }
    EXPECT_NEAR(walked, 0.2 * 2.0, 0.1);

    const double period = loop.machine().getWalk().getActiveParams().period;
    const double stopAsked = loop.time() + 0.02;
    int closingCycles = 0;
    // A walk request while the walk stops does not cancel the stop.
    for (int cycle = 0; cycle < 100 && !loop.runs<IdleState>(); ++cycle) {
        loop.cycle(cycle % 3 == 2 ? walkForward() : bend());
        ASSERT_TRUE(loop.commandsAreFinite());
        const auto state = loop.machine().getWalk().getWalkState();
        if (state == walking::OmnidirectionalWalkZMP::WalkState::FIRST_CLOSING_STEP ||
            state == walking::OmnidirectionalWalkZMP::WalkState::SECOND_CLOSING_STEP) {
            ++closingCycles;
            EXPECT_EQ(loop.machine().getWalk().getCurrentVelocity().translation.x, 0.0);
        }
    }
    ASSERT_TRUE(loop.runs<IdleState>());
    EXPECT_TRUE(loop.machine().getWalk().hasStopped());
    EXPECT_GE(loop.time() - stopAsked, 2.0 * period);
    EXPECT_LE(loop.time() - stopAsked, 3.0 * period + 0.021);
    EXPECT_NEAR(closingCycles * 0.02, 2.0 * period, 0.041);

    loop.cycle(bend());
    EXPECT_TRUE(loop.runs<KeyframeMovementState>());
    EXPECT_EQ(loop.control.getWalkOdometry().mean.translation.x, 0.0);
}

TEST(ControlStateMachineTest, AWalkRequestSetsTheWalksParameterSetByItsModeAndOnlyPreciseIsPrecise) {
    tests::ShippedWalkSets walkSets;
    using Set = walking::OmnidirectionalWalkZMParamsType;
    const struct {
        Set set;
        double period;
    } periods[] = {{Set::NORMAL, 0.2}, {Set::PRECISE, 0.22}, {Set::CONDUCT, 0.19},
                   {Set::TURN, 0.21},  {Set::SPRINT, 0.16},  {Set::CIRCLE, 0.18}};
    for (const auto& entry : periods) {
        walking::OmnidirectionalWalkZMPParams::getParamsSet(entry.set).period = entry.period;
    }
    const struct {
        WalkMode mode;
        double period; // of the set the walk uses afterwards
    } cases[] = {
        {WalkMode::NORMAL, 0.2},          {WalkMode::PRECISE, 0.22},      {WalkMode::CONDUCT, 0.19},
        {WalkMode::TURN, 0.21},           {WalkMode::SPRINT, 0.16},       {WalkMode::CIRCLE, 0.18},
        {WalkMode::STOP, 0.18},           {WalkMode::CONDUCT_TURN, 0.18}, {WalkMode::TURN_CONDUCT, 0.18},
        {WalkMode::SPRINT_TURN, 0.18},    {WalkMode::TURN_SPRINT, 0.18},  {WalkMode::CONDUCT_SPRINT, 0.18},
        {WalkMode::SPRINT_CONDUCT, 0.18},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(static_cast<int>(testCase.mode));
        tests::ControlLoop loop;
        ASSERT_TRUE(startWalking(loop, WalkMode::CIRCLE));
        for (int cycle = 0; cycle < 30; ++cycle) {
            loop.cycle(walkForward(WalkMode::CIRCLE));
        }
        for (int cycle = 0; cycle < 30; ++cycle) {
            loop.cycle(walkForward(testCase.mode));
        }
        EXPECT_DOUBLE_EQ(loop.machine().getWalk().getActiveParams().period, testCase.period);
        EXPECT_DOUBLE_EQ(loop.control.getWalkOdometry().sigmaX, testCase.mode == WalkMode::PRECISE ? 0.002 : 0.01);
    }
}

TEST(ControlStateMachineTest, AWalkAfterLongPausesGivesNumbersOnly) {
    tests::ShippedWalkSets walkSets;
    tests::ControlLoop loop;
    testing::internal::CaptureStderr();
    for (int pause = 0; pause < 2; ++pause) {
        // Cycles without a request leave the machine unstepped: the walk's next time step spans the pause.
        for (int cycle = 0; cycle < 150; ++cycle) {
            loop.cycle(nullptr);
            EXPECT_EQ(loop.control.getWalkOdometry().mean.translation.x, 0.0);
        }
        ASSERT_TRUE(startWalking(loop));
        for (int cycle = 0; cycle < 50; ++cycle) {
            loop.cycle(walkForward());
            ASSERT_TRUE(loop.commandsAreFinite()) << "pause " << pause << ", cycle " << cycle;
        }
        EXPECT_TRUE(loop.runs<WalkMovementState>());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

/// Every walk, the first after start-up as well as one after another movement, first moves the body at most
/// 10 degrees a cycle along a straight line towards one fixed pose, the walk's stance, and lets the walk's clock
/// run only once the measured posture is within 0.1 degree of it.
TEST(ControlStateMachineTest, EveryWalkSmoothsTheBodyIntoItsStanceBeforeItsClockRuns) {
    tests::ShippedWalkSets walkSets;
    tests::ControlLoop loop;
    loop.loadPages({PAGE});
    const double tolerance = marlowinds_lib::math::MathUtils::degreesToRadians(0.1);
    for (const char* start : {"from the posture at start-up", "after a page bent the knee"}) {
        SCOPED_TRACE(start);
        if (loop.runs<WalkMovementState>()) {
            ASSERT_GT(playToTheEnd(loop, [](int) { return bend(); }), 0.0); // the walk's closing steps
            ASSERT_GT(playToTheEnd(loop, [](int) { return bend(); }), 0.0); // the page
        }
        struct Cycle {
            NaoJoints measured; // in the engines' directions
            NaoJoints desired;
        };
        std::vector<Cycle> smoothing;
        for (int cycle = 0; cycle < 100 && !loop.machine().hasWalkAdvanced(); ++cycle) {
            loop.cycle(walkForward(WalkMode::NORMAL));
            if (!loop.machine().hasWalkAdvanced()) {
                smoothing.push_back(
                    {loop.perceived() * NaoJoints::getNaoDirectionsFixing(), loop.machine().getDesiredJoints()});
            }
        }
        ASSERT_TRUE(loop.machine().hasWalkAdvanced());
        ASSERT_GT(smoothing.size(), 1u);

        const NaoJoints stance = smoothing.back().desired;
        tests::PostureChecks::expectWalkStance(stance, start);
        for (std::size_t cycle = 0; cycle < smoothing.size(); ++cycle) {
            const NaoJoints remaining = stance - smoothing[cycle].measured;
            const double distance = remaining.lInfiniteNorm();
            const double share =
                distance > 0.0 ? std::min(1.0, MovementSwitchSmoother::MAXIMUM_JOINT_DISPLACEMENT / distance) : 1.0;
            const NaoJoints expected = smoothing[cycle].measured + remaining * share;
            EXPECT_LT((smoothing[cycle].desired - expected).lInfiniteNorm(), 1e-9) << "cycle " << cycle;
            EXPECT_EQ(distance < tolerance, cycle + 1 == smoothing.size()) << "cycle " << cycle;
        }
    }
}

TEST(ControlStateMachineTest, AKickSmoothsTheBodyIntoItsFirstPoseAndEndsWhenItHasKicked) {
    tests::ControlLoop loop;
    int smoothingCycles = 0;
    double smoothed = 0.0; // the time of the last smoothing cycle
    for (int cycle = 0; cycle < 300; ++cycle) {
        testing::internal::CaptureStdout();
        loop.cycle(std::make_shared<KickRequest>());
        if (testing::internal::GetCapturedStdout() == "smoothing\n") {
            ++smoothingCycles;
            smoothed = loop.time();
        }
        ASSERT_TRUE(loop.commandsAreFinite());
        if (loop.runs<IdleState>()) {
            break;
        }
    }
    ASSERT_TRUE(loop.runs<IdleState>());
    EXPECT_GT(smoothingCycles, 1);
    // The kick's default parameters take 1.6 s; it ends in the first cycle after.
    EXPECT_NEAR(loop.time() - smoothed, 1.6, 0.021);
}

} // namespace
} // namespace control
