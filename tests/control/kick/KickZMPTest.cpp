#include "control/kick/KickZMP.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/BodyModel.h"
#include "tests/control/JsonLeaf.h"
#include "tests/control/PostureChecks.h"
#include "tools/walk_probe/JointRanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace control {
namespace kick {
namespace {

using representations::NaoJoints;

const walking::RobotPhysicalParameters NAO = walking::RobotPhysicalParameters::getNaoPhysicalParameters();

struct Kicker {
    explicit Kicker(const KickZMPParams& params = KickZMPParams::getDefaultKickZMPParams(), bool leftFootKicks = false)
        : kick(params, leftFootKicks, NAO, &inverseKinematics) {}

    walking::InverseKinematics inverseKinematics{NAO};
    KickZMP kick;
    NaoJoints joints;
};

TEST(KickZMPTest, PhasesFollowTheirDurationsOneTransitionPerCycle) {
    // A binary cycle length, so that no cycle ends on a phase boundary by rounding: the phases start at
    // 0, 0.2, 0.7, 0.9 and 1.4 s, each in the first cycle past its start, and the kick is over after 1.6 s.
    const double cycle = 1.0 / 64.0;
    const double starts[] = {0.2, 0.7, 0.9, 1.4};
    Kicker kicker;
    for (int n = 1; n * cycle < 1.7; ++n) {
        kicker.kick.update(cycle, kicker.joints);
        int expected = 0;
        while (expected < 4 && starts[expected] < n * cycle) {
            ++expected;
        }
        EXPECT_EQ(kicker.kick.getPhase(), expected) << n * cycle;
        EXPECT_EQ(kicker.kick.hasKicked(), n * cycle > 1.6) << n * cycle;
    }

    const struct {
        std::vector<double> steps;
        KickZMP::Phase expected;
    } cases[] = {
        {{0.25}, KickZMP::MOVE_ZMP_TO_SINGLE_SUPPORT}, // a phase ends only once its time is exceeded
        {{0.25, 1e-9}, KickZMP::TAKE_FOOT_OFF_THE_GROUND},
        {{0.8}, KickZMP::TAKE_FOOT_OFF_THE_GROUND}, // the time beyond carries into the next cycle
        {{0.8, 0.0}, KickZMP::KICK},
        {{0.8, 0.0, 0.0}, KickZMP::KICK},
    };
    for (const auto& testCase : cases) {
        Kicker exact({0.25, 0.25, 0.5, 0.1, 0.05, 0.2, 0.06, 0.3, 0.0});
        for (const double step : testCase.steps) {
            exact.kick.update(step, exact.joints);
        }
        EXPECT_EQ(exact.kick.getPhase(), testCase.expected) << testCase.steps.size();
    }
}

/// Where the kicking foot stands along the kick's path, from 0 at the start
/// through 1 (lifted and drawn back) and 2 (swung through) to 3 (set down):
/// the smallest place no earlier than after (less tolerance) whose point the
/// foot's x and lift are; nothing when the foot is off the path or only on an
/// earlier stretch.
std::optional<double> pathPlace(double x, double lift, const KickZMPParams& params, double after) {
    constexpr double TOLERANCE = 1e-6;
    const double amplitude = params.kickAmplitude;
    const double top = params.zFoot;
    std::vector<double> places;
    const auto near = [](double a, double b) { return std::abs(a - b) <= TOLERANCE; };
    if (x <= TOLERANCE && x >= -amplitude - TOLERANCE && near(lift, top * -x / amplitude)) {
        places.push_back(-x / amplitude); // lifting, drawn back
    }
    if (near(lift, top) && std::abs(x) <= amplitude + TOLERANCE) {
        places.push_back(1.0 + (x + amplitude) / (2.0 * amplitude)); // the swing
    }
    if (x >= -TOLERANCE && x <= amplitude + TOLERANCE && near(lift, top * x / amplitude)) {
        places.push_back(3.0 - x / amplitude); // setting down
    }
    std::optional<double> place;
    for (const double candidate : places) {
        if (candidate >= after - TOLERANCE && (!place || candidate < *place)) {
            place = candidate;
        }
    }
    return place;
}

TEST(KickZMPTest, CyclesOfAnyLengthKeepTheFootOnTheSwingsPathBackBeforeForward) {
    tests::Leaf leaf = tests::shippedLeaf("control/kick/normal-parameters.json");
    KickZMPParams params = KickZMPParams::getDefaultKickZMPParams();
    KickZMPParams::setKickParameters(leaf, params);
    const tools::walk_probe::JointRanges ranges;
    // Cycles of 0.02 s with one stall, longer than a phase, at every point of
    // the kick; then cycles of lengths drawn at random.
    std::vector<std::vector<double>> runs;
    for (const double stall : {0.3, 0.55, 0.75, 1.2, 1.5, 3.0}) {
        for (int before = 0; before < 85; before += 2) {
            std::vector<double> run(static_cast<std::size_t>(before), 0.02);
            run.push_back(stall);
            run.resize(run.size() + 90, 0.02);
            runs.push_back(run);
        }
    }
    std::mt19937 engine(7);
    for (int i = 0; i < 20; ++i) {
        std::vector<double> run;
        for (double time = 0.0; time < 2.0; time += run.back()) {
            run.push_back(std::uniform_real_distribution<double>(0.0, 0.8)(engine));
        }
        runs.push_back(run);
    }
    for (const std::vector<double>& run : runs) {
        Kicker kicker(params);
        double place = 0.0;
        double elapsed = 0.0;
        for (const double cycle : run) {
            kicker.kick.update(cycle, kicker.joints);
            elapsed += cycle;
            const NaoJoints server = kicker.joints * NaoJoints::getNaoDirectionsFixing();
            for (int joint = NaoJoints::LEFT_SHOULDER_PITCH; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
                ASSERT_TRUE(ranges.contains(hinge, server.getValue(hinge)))
                    << ranges.getName(hinge) << " after " << elapsed << " s, cycle " << cycle;
            }
            modeling::BodyModel body;
            body.update(server);
            const auto kicking = body.getTransformAtCenter(modeling::BodyPartType::RIGHT_FOOT).translation;
            const auto support = body.getTransformAtCenter(modeling::BodyPartType::LEFT_FOOT).translation;
            const double x = kicking.x - support.x;
            const double lift = kicking.z - support.z;
            const std::optional<double> now = pathPlace(x, lift, params, place);
            ASSERT_TRUE(now.has_value()) << "off the path or back along it after " << elapsed << " s, cycle " << cycle
                                         << ": x " << x << ", lift " << lift << ", last place " << place;
            place = *now;
            if (kicker.kick.hasKicked()) {
                // The final pose: the foot down where it started.
                ASSERT_NEAR(x, 0.0, 1e-6) << elapsed << " s";
                ASSERT_NEAR(lift, 0.0, 1e-6) << elapsed << " s";
            }
        }
        EXPECT_TRUE(kicker.kick.hasKicked());
    }
}

TEST(KickZMPTest, TheSwingAcceleratesCruisesAndDeceleratesSmoothly) {
    for (const double ratio : {0.1, 0.2, 0.6}) {
        KickZMPParams params = KickZMPParams::getDefaultKickZMPParams();
        params.accelerationMoveRatio = ratio;
        const Kicker kicker(params);
        const KickZMP& kick = kicker.kick;
        EXPECT_NEAR(kick.computeKickFrac(0.0), 0.0, 1e-12);
        EXPECT_NEAR(kick.computeKickFrac(0.5), 0.5, 1e-12);
        EXPECT_NEAR(kick.computeKickFrac(1.0), 1.0, 1e-12);
        const double h = 1e-7;
        for (const double joint : {ratio / 2.0, 1.0 - ratio / 2.0}) {
            EXPECT_NEAR(kick.computeKickFrac(joint - h), kick.computeKickFrac(joint + h), 1e-6) << ratio;
            EXPECT_NEAR((kick.computeKickFrac(joint) - kick.computeKickFrac(joint - h)) / h,
                        (kick.computeKickFrac(joint + h) - kick.computeKickFrac(joint)) / h, 1e-5)
                << ratio;
        }
    }
}

TEST(KickZMPTest, TheKickingFootIsLiftedDrawnBackAndSwungThroughTheAmplitude) {
    const KickZMPParams params = KickZMPParams::getDefaultKickZMPParams();
    Kicker kicker;
    const struct {
        double until;
        double x;
        double lift;
    } checkpoints[] = {{0.2, 0.0, 0.0},
                       {0.7, -params.kickAmplitude, params.zFoot},
                       {0.8, 0.0, params.zFoot},
                       {0.9, params.kickAmplitude, params.zFoot},
                       {1.6, 0.0, 0.0}};
    double time = 0.0;
    for (const auto& checkpoint : checkpoints) {
        kicker.kick.update(checkpoint.until - time, kicker.joints);
        time = checkpoint.until;
        modeling::BodyModel body;
        body.update(kicker.joints * NaoJoints::getNaoDirectionsFixing());
        const auto kicking = body.getTransformAtCenter(modeling::BodyPartType::RIGHT_FOOT).translation;
        const auto support = body.getTransformAtCenter(modeling::BodyPartType::LEFT_FOOT).translation;
        EXPECT_NEAR(kicking.x - support.x, checkpoint.x, 1e-6) << time;
        EXPECT_NEAR(kicking.y - support.y, -2.0 * params.ySeparation, 1e-6) << time;
        EXPECT_NEAR(kicking.z - support.z, checkpoint.lift, 1e-6) << time;
    }
}

/// With an arm swing too strong for the arms, which saturates instead of giving NaN.
TEST(KickZMPTest, TheLeftKickMirrorsTheRightOne) {
    KickZMPParams params = KickZMPParams::getDefaultKickZMPParams();
    params.armsCompensationFactor = 10.0;
    Kicker right(params);
    Kicker left(params, true);
    right.kick.update(0.0, right.joints);
    left.kick.update(0.0, left.joints);
    for (int cycle = 0; cycle < 90; ++cycle) {
        right.kick.update(0.02, right.joints);
        left.kick.update(0.02, left.joints);
        EXPECT_LT((NaoJoints::getSimetricPositions(right.joints) - left.joints).lInfiniteNorm(), 1e-12) << cycle;
    }
}

/// The arms swing against the kicking leg: the arm of the other side forward while the kicking foot is ahead of
/// the torso, the arm of its own side back, each by the shoulder pitch asin(armsCompensationFactor x / armLength)
/// from hanging, x being how far the foot is ahead. The shipped factor is 0, so the factor here is the test's own.
TEST(KickZMPTest, TheArmsSwingAgainstTheKickingLegByTheCompensationFactor) {
    KickZMPParams params = KickZMPParams::getDefaultKickZMPParams();
    params.armsCompensationFactor = 0.8;
    const double widestSwing = std::asin(params.armsCompensationFactor * params.kickAmplitude / NAO.armLength);
    const double hanging = marlowinds_lib::math::MathUtils::PI / 2.0;
    struct Arm {
        NaoJoints::HINGE_JOINTS shoulderPitch;
        modeling::BodyPartType lowerArm;
    };
    const Arm left{NaoJoints::LEFT_SHOULDER_PITCH, modeling::BodyPartType::LEFT_LOWERARM};
    const Arm right{NaoJoints::RIGHT_SHOULDER_PITCH, modeling::BodyPartType::RIGHT_LOWERARM};
    const struct {
        bool leftFootKicks;
        modeling::BodyPartType kickingFoot;
        Arm kickingSide;
        Arm otherSide;
    } kicks[] = {{false, modeling::BodyPartType::RIGHT_FOOT, right, left},
                 {true, modeling::BodyPartType::LEFT_FOOT, left, right}};
    for (const auto& kick : kicks) {
        Kicker kicker(params, kick.leftFootKicks);
        double mostForward = 0.0; // of the other side's arm, from hanging
        double mostBack = 0.0;
        while (!kicker.kick.hasKicked()) {
            kicker.kick.update(0.02, kicker.joints);
            SCOPED_TRACE(::testing::Message()
                         << (kick.leftFootKicks ? "left" : "right") << " kick, phase " << kicker.kick.getPhase());
            const double footAhead =
                tests::PostureChecks::bodyIn(kicker.joints).getTransformAtCenter(kick.kickingFoot).translation.x;
            const double swing = std::asin(params.armsCompensationFactor * footAhead / NAO.armLength);
            const double otherSwing = hanging - kicker.joints.getValue(kick.otherSide.shoulderPitch);
            EXPECT_NEAR(otherSwing, swing, 1e-5);
            EXPECT_NEAR(hanging - kicker.joints.getValue(kick.kickingSide.shoulderPitch), -swing, 1e-5);
            if (std::fabs(footAhead) > 0.005) {
                const auto handAhead = [&kicker](const Arm& arm) {
                    return tests::PostureChecks::handAheadOfHanging(kicker.joints, arm.shoulderPitch, arm.lowerArm);
                };
                EXPECT_EQ(handAhead(kick.otherSide) > 0.0, footAhead > 0.0) << footAhead;
                EXPECT_EQ(handAhead(kick.kickingSide) > 0.0, footAhead < 0.0) << footAhead;
            }
            mostForward = std::max(mostForward, otherSwing);
            mostBack = std::min(mostBack, otherSwing);
        }
        // Drawn back and swung through by the whole amplitude.
        EXPECT_NEAR(mostForward, widestSwing, 1e-6);
        EXPECT_NEAR(mostBack, -widestSwing, 1e-6);
    }
}

TEST(KickZMPTest, ParametersWrittenAfterConstructionCountFromTheNextReset) {
    Kicker kicker;
    kicker.kick.getParams().kickDuration = 0.4;
    kicker.kick.reset();
    kicker.kick.update(1.79, kicker.joints);
    EXPECT_FALSE(kicker.kick.hasKicked());
    kicker.kick.update(0.02, kicker.joints);
    EXPECT_TRUE(kicker.kick.hasKicked());
}

/// Played every millisecond, no joint moves faster than 20 rad/s (no jump at a phase boundary) or leaves its range.
TEST(KickZMPTest, TheShippedKickMovesContinuouslyWithinTheJointRanges) {
    tests::Leaf leaf = tests::shippedLeaf("control/kick/normal-parameters.json");
    Kicker kicker;
    KickZMPParams::setKickParameters(leaf, kicker.kick.getParams());
    kicker.kick.reset();
    kicker.kick.update(0.0, kicker.joints);
    const tools::walk_probe::JointRanges ranges;
    while (!kicker.kick.hasKicked()) {
        const NaoJoints previous = kicker.joints;
        kicker.kick.update(0.001, kicker.joints);
        ASSERT_LT((kicker.joints - previous).lInfiniteNorm(), 0.02) << kicker.kick.getPhase();
        const NaoJoints server = kicker.joints * NaoJoints::getNaoDirectionsFixing();
        for (int joint = NaoJoints::LEFT_SHOULDER_PITCH; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
            ASSERT_TRUE(ranges.contains(hinge, server.getValue(hinge)))
                << ranges.getName(hinge) << " in phase " << kicker.kick.getPhase();
        }
    }
}

} // namespace
} // namespace kick
} // namespace control
