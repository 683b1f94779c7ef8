#include "control/walking/OmnidirectionalWalkZMP.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/BodyModel.h"
#include "representations/MarlowindsConstants.h"
#include "representations/NavigationParams.h"
#include "tests/control/JsonLeaf.h"
#include "tests/control/PostureChecks.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tools/graph_generator/GraphFileWriter.h"
#include "tools/graph_generator/Perceptron.h"
#include "tools/walk_probe/WalkProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace control {
namespace walking {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::BodyPartType;
using modeling::testing::expectNear;
using representations::NaoJoints;
using tools::walk_probe::ProbeRun;
using tools::walk_probe::WalkProbe;
using WalkState = OmnidirectionalWalkZMP::WalkState;

const RobotPhysicalParameters NAO = RobotPhysicalParameters::getNaoPhysicalParameters();
const OmnidirectionalWalkZMPParams NORMAL(0.2, 0.325, 0.025, 0.2, 0.055, 0.5);
const double NAN_VALUE = std::numeric_limits<double>::quiet_NaN();

/// The normal set, one whose arm swing is too strong for the arms (it saturates instead of giving NaN), and
/// random sets at the robot's scale.
std::vector<OmnidirectionalWalkZMPParams> usableSets() {
    std::mt19937 random(11);
    const auto between = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    std::vector<OmnidirectionalWalkZMPParams> sets{NORMAL, {0.2, 0.325, 0.025, 0.2, 0.055, 40.0}};
    for (int draw = 0; draw < 8; ++draw) {
        sets.emplace_back(between(0.1, 0.4), between(0.24, 0.32), between(0.0, 0.04), between(0.02, 0.8),
                          between(0.04, 0.07), between(0.0, 1.0));
    }
    return sets;
}

/// A walk engine as the movement state machine builds it at start-up: with the empty set.
struct Walker {
    explicit Walker(const OmnidirectionalWalkZMPParams& params, const Pose2D& velocity = {}) {
        walk.setWalkParams(params);
        walk.restart();
        walk.setDesiredVelocity(velocity);
    }

    InverseKinematics inverseKinematics{NAO};
    OmnidirectionalWalkZMP walk{{}, NAO, &inverseKinematics};
    NaoJoints joints;
};

Pose2D planar(const marlowinds_lib::math::Pose3D& pose) {
    return {pose.rotation.getZAngle(), pose.translation.x, pose.translation.y};
}

Pose2D relative(const Pose2D& pose, const Pose2D& frame) {
    return {pose.rotation - frame.rotation, (pose.translation - frame.translation).rotate(-frame.rotation)};
}

/// The torso and the swing foot in the support foot's frame, and the swing foot's lift, by forward kinematics.
struct Stance {
    Pose2D torso;
    Pose2D swingFoot;
    double lift = 0.0;
};

Stance measure(const Walker& walker) {
    modeling::BodyModel body;
    body.update(walker.joints * NaoJoints::getNaoDirectionsFixing());
    const bool leftSwings = walker.walk.isLeftFootSwinging();
    const auto& swing = body.getTransformAtCenter(leftSwings ? BodyPartType::LEFT_FOOT : BodyPartType::RIGHT_FOOT);
    const auto& support = body.getTransformAtCenter(leftSwings ? BodyPartType::RIGHT_FOOT : BodyPartType::LEFT_FOOT);
    return {relative(Pose2D(), planar(support)), relative(planar(swing), planar(support)),
            swing.translation.z - support.translation.z};
}

NaoJoints legsAndShoulderPitches(const NaoJoints& joints) {
    NaoJoints selected = joints;
    for (const auto joint : {NaoJoints::LEFT_SHOULDER_YAW, NaoJoints::LEFT_ARM_ROLL, NaoJoints::RIGHT_SHOULDER_YAW,
                             NaoJoints::RIGHT_ARM_ROLL}) {
        selected.setValue(joint, 0.0);
    }
    return selected;
}

TEST(OmnidirectionalWalkZMPTest, TheVelocityRampsByItsLimitPerStep) {
    const double turnRamp = marlowinds_lib::math::MathUtils::degreesToRadians(60.0);
    const struct {
        Pose2D desired;
        std::vector<Pose2D> planned;
    } cases[] = {
        {{0.0, 0.3, 0.0}, {{0.0, 0.2, 0.0}, {0.0, 0.3, 0.0}, {0.0, 0.3, 0.0}}},
        {{0.0, 0.9, 0.0}, {{0.0, 0.2, 0.0}, {0.0, 0.4, 0.0}, {0.0, 0.6, 0.0}, {0.0, 0.8, 0.0}, {0.0, 0.9, 0.0}}},
        {{0.0, -0.5, 0.0}, {{0.0, -0.2, 0.0}, {0.0, -0.4, 0.0}, {0.0, -0.5, 0.0}}},
        {{0.0, 0.0, 0.5}, {{0.0, 0.0, 0.1}, {0.0, 0.0, 0.2}, {0.0, 0.0, 0.3}, {0.0, 0.0, 0.4}, {0.0, 0.0, 0.5}}},
        {{3.0, 0.1, -0.15}, {{turnRamp, 0.1, -0.1}, {2.0 * turnRamp, 0.1, -0.15}, {3.0, 0.1, -0.15}}},
        // The walk takes a component that is not a number as 0.
        {{NAN_VALUE, 0.1, NAN_VALUE}, {{0.0, 0.1, 0.0}, {0.0, 0.1, 0.0}}},
    };
    for (const auto& testCase : cases) {
        const ProbeRun run = WalkProbe(NORMAL).run(testCase.desired, 60);
        ASSERT_GE(run.steps.size(), testCase.planned.size());
        for (std::size_t step = 0; step < testCase.planned.size(); ++step) {
            SCOPED_TRACE(::testing::Message() << testCase.desired.translation.x << " step " << step);
            expectNear(run.steps[step].velocity, testCase.planned[step], 1e-6);
        }
    }
}

TEST(OmnidirectionalWalkZMPTest, AStopFinishesTheStepThenTakesTwoClosingStepsInPlace) {
    const int stopCycle = 37;
    const ProbeRun run = WalkProbe(NORMAL).run({0.4, 0.3, 0.05}, 200, stopCycle);
    ASSERT_TRUE(run.stopped);
    std::size_t firstAfterStop = 0;
    while (run.steps[firstAfterStop].cycle < stopCycle) {
        EXPECT_EQ(run.steps[firstAfterStop++].state, WalkState::WALKING);
    }
    // The probe asks to stop in every cycle from then on, as the walk state does: repeated requests change nothing.
    ASSERT_EQ(run.steps.size(), firstAfterStop + 3);
    EXPECT_EQ(run.steps[firstAfterStop].state, WalkState::FIRST_CLOSING_STEP);
    EXPECT_EQ(run.steps[firstAfterStop + 1].state, WalkState::SECOND_CLOSING_STEP);
    EXPECT_EQ(run.steps[firstAfterStop + 2].state, WalkState::STOPPED);
    for (const std::size_t closing : {firstAfterStop, firstAfterStop + 1}) {
        expectNear(run.steps[closing].velocity, Pose2D(), 0.0);
    }
    EXPECT_EQ(run.cycles, run.steps.back().cycle + 1);
    EXPECT_TRUE(run.violations.empty());
}

/// Steps through a straight walk half a step at a time, so that every update lands exactly on mid-step or
/// on a step boundary, and checks the stance there against the step plan: the landing foot ahead by a
/// step (one and a half for the first), the feet 2 ySeparation apart plus twice the sideways step when the
/// swing foot moves that way, the CoM at the ZMP between the feet at each boundary, the foot lifted zStep
/// at mid-step.
TEST(OmnidirectionalWalkZMPTest, FeetLandAndTheCoMStartsEachStepWhereThePlanSays) {
    // Within one step of the ramp, so that every step is planned at the requested velocity.
    const Pose2D velocities[] = {{}, {0.0, 0.15, 0.0}, {0.0, -0.1, 0.0}, {0.0, 0.1, 0.06}, {0.0, 0.0, -0.08}};
    for (const OmnidirectionalWalkZMPParams& params : usableSets()) {
        for (const Pose2D& velocity : velocities) {
            SCOPED_TRACE(::testing::Message() << "period " << params.period << " velocity " << velocity.translation.x
                                              << " " << velocity.translation.y);
            Walker walker(params, velocity);
            walker.walk.update(0.0, walker.joints); // the first step starts at once: the active set was empty
            const double dx = velocity.translation.x * params.period;
            const double dy = velocity.translation.y * params.period;
            for (int step = 1; step <= 6; ++step) {
                const double side = walker.walk.isLeftFootSwinging() ? 1.0 : -1.0;
                walker.walk.update(params.period / 2.0, walker.joints);
                EXPECT_NEAR(measure(walker).lift, params.zStep, 1e-4);
                walker.walk.update(params.period / 2.0, walker.joints);

                // The old support foot is now the swing foot, at its start; the torso is at the new step's ZMP start.
                const Stance boundary = measure(walker);
                EXPECT_NEAR(boundary.lift, 0.0, 1e-4);
                const Pose2D landed = relative(Pose2D(), boundary.swingFoot);
                const double lateral = 2.0 * side * params.ySeparation + (side * dy > 0.0 ? 2.0 * dy : 0.0);
                expectNear(landed, {0.0, step == 1 ? 1.5 * dx : dx, lateral}, 1e-4);
                const Pose2D torsoBeforeLanding(0.0, boundary.torso.translation - boundary.swingFoot.translation);
                expectNear(torsoBeforeLanding, {0.0, step == 1 ? dx : dx / 2.0, lateral / 2.0}, 1e-4);
            }
        }
    }
}

TEST(OmnidirectionalWalkZMPTest, ATurningWalkTurnsTheFootOnTheTurnSideByTwoStepsOfTurn) {
    for (const double turn : {0.8, -0.8}) {
        Walker walker(NORMAL, {turn, 0.1, 0.05});
        walker.walk.update(0.0, walker.joints);
        for (int step = 1; step <= 6; ++step) {
            const bool turnsToSwingSide = walker.walk.isLeftFootSwinging() == (turn > 0.0);
            walker.walk.update(NORMAL.period, walker.joints);
            const Pose2D landed = relative(Pose2D(), measure(walker).swingFoot);
            EXPECT_NEAR(landed.rotation, turnsToSwingSide ? 2.0 * turn * NORMAL.period : 0.0, 1e-4)
                << turn << " step " << step;
        }
    }
}

/// A walk whose first step is taken in place is the mirror image, one step later, of a walk that starts
/// at once: the mirrored request then gives the mirrored joints.
TEST(OmnidirectionalWalkZMPTest, MirroredRequestsGiveMirroredJoints) {
    const Pose2D velocities[] = {{0.0, 0.2, 0.0}, {0.5, 0.15, 0.05}, {-0.9, -0.1, 0.1}};
    for (const OmnidirectionalWalkZMPParams& params : usableSets()) {
        for (const Pose2D& velocity : velocities) {
            Walker walker(params, velocity);
            Walker mirrored(params);
            walker.walk.update(0.0, walker.joints);
            mirrored.walk.update(0.0, mirrored.joints);
            mirrored.walk.setDesiredVelocity({-velocity.rotation, velocity.translation.x, -velocity.translation.y});
            mirrored.walk.update(params.period, mirrored.joints);
            for (int cycle = 0; cycle < 60; ++cycle) {
                walker.walk.update(WalkProbe::CYCLE, walker.joints);
                mirrored.walk.update(WalkProbe::CYCLE, mirrored.joints);
                const NaoJoints difference = legsAndShoulderPitches(NaoJoints::getSimetricPositions(walker.joints)) -
                                             legsAndShoulderPitches(mirrored.joints);
                ASSERT_LT(difference.lInfiniteNorm(), 1e-9) << "cycle " << cycle << " turn " << velocity.rotation;
            }
        }
    }
}

/// Each arm swings against the leg on its side: by the shoulder pitch asin(armsCompensationFactor x / armLength)
/// away from hanging, where x is how far the other side's foot is ahead of the torso, and forward while that foot
/// is ahead. The mirror test cannot tell this from a swing the other way round.
TEST(OmnidirectionalWalkZMPTest, EachArmSwingsForwardWhileTheFootOfTheOtherSideIsAhead) {
    const struct {
        NaoJoints::HINGE_JOINTS shoulderPitch;
        BodyPartType lowerArm;
        BodyPartType otherFoot;
    } arms[] = {{NaoJoints::LEFT_SHOULDER_PITCH, BodyPartType::LEFT_LOWERARM, BodyPartType::RIGHT_FOOT},
                {NaoJoints::RIGHT_SHOULDER_PITCH, BodyPartType::RIGHT_LOWERARM, BodyPartType::LEFT_FOOT}};
    for (const double speed : {0.2, -0.15}) {
        Walker walker(NORMAL, {0.0, speed, 0.0});
        int handsAhead[2] = {};
        int handsBehind[2] = {};
        for (int cycle = 0; cycle < 60; ++cycle) {
            walker.walk.update(WalkProbe::CYCLE, walker.joints);
            const modeling::BodyModel body = tests::PostureChecks::bodyIn(walker.joints);
            for (int side = 0; side < 2; ++side) {
                SCOPED_TRACE(::testing::Message() << "speed " << speed << ", cycle " << cycle << ", arm " << side);
                const auto& arm = arms[side];
                const double footAhead = body.getTransformAtCenter(arm.otherFoot).translation.x;
                const double swing = std::asin(NORMAL.armsCompensationFactor * footAhead / NAO.armLength);
                EXPECT_NEAR(walker.joints.getValue(arm.shoulderPitch),
                            marlowinds_lib::math::MathUtils::PI / 2.0 - swing, 1e-5);
                if (std::fabs(footAhead) > 0.005) {
                    const double handAhead =
                        tests::PostureChecks::handAheadOfHanging(walker.joints, arm.shoulderPitch, arm.lowerArm);
                    EXPECT_EQ(handAhead > 0.0, footAhead > 0.0) << footAhead;
                    int& count = handAhead > 0.0 ? handsAhead[side] : handsBehind[side];
                    ++count;
                }
            }
        }
        for (int side = 0; side < 2; ++side) {
            EXPECT_GT(handsAhead[side], 0) << "speed " << speed << ", arm " << side;
            EXPECT_GT(handsBehind[side], 0) << "speed " << speed << ", arm " << side;
        }
    }
}

TEST(OmnidirectionalWalkZMPTest, OdometryFollowsTheTorsoWithTheSigmasOfTheMode) {
    Walker walker(NORMAL, {0.0, 0.2, 0.0});
    Pose2D travelled;
    for (int cycle = 0; cycle < 100; ++cycle) {
        const bool precise = cycle % 3 == 0;
        walker.walk.setWalkPreciseMode(precise);
        walker.walk.update(WalkProbe::CYCLE, walker.joints);
        const OdometryDistribution odometry = walker.walk.getOdometry();
        EXPECT_DOUBLE_EQ(odometry.sigmaX, precise ? 0.002 : 0.01);
        EXPECT_DOUBLE_EQ(odometry.sigmaY, precise ? 0.02 : 0.005);
        EXPECT_DOUBLE_EQ(odometry.sigmaRotation, precise ? 0.005 : 0.01);
        travelled = Pose2D(travelled.rotation + odometry.mean.rotation,
                           travelled.translation + odometry.mean.translation.rotate(travelled.rotation));
    }
    // 2 s at 0.2 m/s, give or take half a step; the torso sways but does not drift sideways.
    expectNear(travelled, {0.0, 0.4, 0.0}, 0.03);
}

/// The calibrator is fed the precise flag, x, y and rotation and gives x, y and rotation; without its graph
/// the odometry is the torso's displacement as it is.
TEST(OmnidirectionalWalkZMPTest, TheCalibratorCorrectsTheOdometryOfEveryCycle) {
    const marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    ::testing::internal::CaptureStderr();
    Walker measured(NORMAL, {0.4, 0.2, 0.05});
    ::testing::internal::GetCapturedStderr();
    // x' = 2 x + precise / 10, y' = -y, rotation' = 3 rotation.
    const tools::graph_generator::DenseLayer layer{4, 3, {0.1F, 0, 0, 2, 0, 0, 0, -1, 0, 0, 0, 3}, {0, 0, 0}};
    tools::graph_generator::writeGraphFile(
        representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/odometry/odometry_calibrator.pb",
        tools::graph_generator::perceptronGraph({{layer}}, "dense_1_input", "pi/output_node"));
    Walker calibrated(NORMAL, {0.4, 0.2, 0.05});
    for (int cycle = 0; cycle < 30; ++cycle) {
        const bool precise = cycle % 2 == 0;
        for (Walker* walker : {&measured, &calibrated}) {
            walker->walk.setWalkPreciseMode(precise);
            walker->walk.update(WalkProbe::CYCLE, walker->joints);
        }
        const Pose2D raw = measured.walk.getOdometry().mean;
        expectNear(calibrated.walk.getOdometry().mean,
                   {3.0 * raw.rotation, 2.0 * raw.translation.x + (precise ? 0.1 : 0.0), -raw.translation.y}, 1e-6);
    }
}

TEST(OmnidirectionalWalkZMPTest, TheFirstWalkAfterStartUpStandsWithTheFeetApart) {
    Walker walker(NORMAL);
    walker.walk.update(0.0, walker.joints);
    expectNear(measure(walker).swingFoot, {0.0, 0.0, 2.0 * NORMAL.ySeparation}, 1e-6);
}

TEST(OmnidirectionalWalkZMPTest, ACycleAfterAPauseAdvancesAtMostOneStep) {
    for (const double pause : {0.5, 7.3, 1e6, std::numeric_limits<double>::infinity(), NAN_VALUE, -3.0}) {
        Walker walker(NORMAL, {0.3, 0.3, 0.05});
        for (int cycle = 0; cycle < 25; ++cycle) {
            walker.walk.update(WalkProbe::CYCLE, walker.joints);
        }
        const bool leftSwung = walker.walk.isLeftFootSwinging();
        walker.walk.update(pause, walker.joints);
        // A time that is no number, or runs backwards, does not move the walk.
        EXPECT_EQ(walker.walk.isLeftFootSwinging() != leftSwung, std::isfinite(pause) && pause > 0.0) << pause;
        for (const double angle : walker.joints.getAsVector()) {
            ASSERT_TRUE(std::isfinite(angle)) << pause;
        }
        // The torso moves by no more than about a step (0.06 m at 0.3 m/s).
        EXPECT_LT(walker.walk.getOdometry().mean.translation.norm(), 0.12) << pause;
    }
}

TEST(OmnidirectionalWalkZMPTest, AnUnusableSetIsRefusedAtTheStepBoundaryOnceAndTheActiveOneKept) {
    const OmnidirectionalWalkZMPParams unusable[] = {
        {0.0, 0.3, 0.02, 0.2, 0.055, 0.5},     {-0.2, 0.3, 0.02, 0.2, 0.055, 0.5},
        {0.2, 0.0, 0.02, 0.2, 0.055, 0.5},     {0.2, -0.3, 0.02, 0.2, 0.055, 0.5},
        {0.2, 0.3, 0.02, 0.0, 0.055, 0.5},     {0.2, 0.3, 0.02, 1.0, 0.055, 0.5},
        {0.2, 0.3, 0.02, 1.5, 0.055, 0.5},     {NAN_VALUE, 0.3, 0.02, 0.2, 0.055, 0.5},
        {0.2, 0.3, 0.02, 0.2, NAN_VALUE, 0.5}, {0.2, 1e-9, 0.02, 0.2, 0.055, 0.5},
        {0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    };
    for (const OmnidirectionalWalkZMPParams& params : unusable) {
        EXPECT_FALSE(OmnidirectionalWalkZMP::isUsable(params));
        Walker walker(NORMAL, {0.0, 0.3, 0.0});
        walker.walk.update(WalkProbe::CYCLE, walker.joints);
        ::testing::internal::CaptureStderr();
        for (int cycle = 0; cycle < 40; ++cycle) {
            walker.walk.setWalkParams(params);
            walker.walk.update(WalkProbe::CYCLE, walker.joints);
            for (const double angle : walker.joints.getAsVector()) {
                ASSERT_TRUE(std::isfinite(angle));
            }
        }
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("(OmnidirectionalWalkZMP) refusing"), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
        EXPECT_DOUBLE_EQ(walker.walk.getActiveParams().period, NORMAL.period);
    }
    // Without any usable set the walk stands still and writes nothing.
    Walker unconfigured({});
    ::testing::internal::CaptureStderr();
    unconfigured.walk.update(WalkProbe::CYCLE, unconfigured.joints);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(unconfigured.joints.lInfiniteNorm(), 0.0);
}

/// Each shipped walk set, at the limits of the navigation set of its name: straight on, backward,
/// sideways, turning on the spot, and turning at half rate while walking at half speed.
TEST(OmnidirectionalWalkZMPTest, ShippedSetsKeepJointTargetsInRangeAtNavigationSpeeds) {
    for (const char* name : OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES) {
        OmnidirectionalWalkZMPParams params;
        tests::Leaf walkLeaf = tests::shippedLeaf(std::string("control/walk/") + name + "-parameters.json");
        OmnidirectionalWalkZMPParams::setWalkParameters(walkLeaf, params);
        ASSERT_TRUE(OmnidirectionalWalkZMP::isUsable(params)) << name;
        representations::NavigationParams limits;
        tests::Leaf navigationLeaf =
            tests::shippedLeaf(std::string("representations/navigation_params/") + name + "-parameters.json");
        representations::NavigationParams::setNavigationParameter(navigationLeaf, limits);

        const double forward = limits.max_forward_speed;
        const double backward = -limits.max_backward_speed;
        const double side = limits.max_side_speed;
        const double turn = marlowinds_lib::math::MathUtils::degreesToRadians(limits.max_angular_speed);
        const Pose2D velocities[] = {
            {0.0, forward, 0.0},
            {0.0, backward, 0.0},
            {0.0, 0.0, side},
            {0.0, 0.0, -side},
            {turn, 0.0, 0.0},
            {-turn, 0.0, 0.0},
            {turn / 2, forward / 2, 0.0},
            {-turn / 2, forward / 2, 0.0},
            {turn / 2, 0.0, -side / 2},
            {-turn / 2, backward / 2, side / 2},
        };
        for (const Pose2D& velocity : velocities) {
            const ProbeRun run = WalkProbe(params).run(velocity, 400, 150);
            EXPECT_TRUE(run.stopped);
            if (!run.violations.empty()) {
                std::ostringstream report;
                WalkProbe(params).print(run, report);
                ADD_FAILURE() << name << " at " << velocity.rotation << " " << velocity.translation.x << " "
                              << velocity.translation.y << "\n"
                              << report.str();
            }
        }
    }
}

} // namespace
} // namespace walking
} // namespace control
