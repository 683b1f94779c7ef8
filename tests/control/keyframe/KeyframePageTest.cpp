#include "control/keyframe/ComplexKeyframePage.h"
#include "control/keyframe/LinearKeyframePage.h"
#include "control/keyframe/SplineKeyframePage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>

namespace control {
namespace keyframe {
namespace {

using representations::NaoJoints;
constexpr auto JOINT = NaoJoints::LEFT_HIP_ROLL; // the same direction in pages and on the server

/// A step that puts `angle` on JOINT and a fixed asymmetric pose on other joints, so mirroring shows.
KeyframeStep step(double angle, double duration) {
    KeyframeStep result{NaoJoints(), duration};
    result.joints.setValue(JOINT, angle);
    result.joints.setValue(NaoJoints::RIGHT_KNEE_PITCH, 1.0 + angle);
    result.joints.setValue(NaoJoints::LEFT_SHOULDER_YAW, 0.3);
    return result;
}

NaoJoints measuredWith(double angle) { return step(angle, 0.0).joints * NaoJoints::getNaoDirectionsFixing(); }

TEST(KeyframePageTest, ALinearPageApproachesItsFirstPoseThenPassesItsStepsOnItsScaledClock) {
    // Progress u in page seconds; the server time is u / speedRate after 10 s.
    const struct {
        double u;
        double expected;
        bool finished;
    } timeline[] = {
        {0.0, 0.5, false},  // the approach starts from the measured 0.5
        {0.5, 0.25, false}, // half-way to the first pose 0
        {1.0, 0.0, false},  // first pose reached: the step phase starts
        {1.5, 0.5, false},  {2.5, 2.0, false}, {3.0, 3.0, true}, {4.0, 3.0, true}, // the last pose is held
    };
    for (const double speedRate : {1.0, 2.0}) {
        LinearKeyframePage page("p", speedRate, {step(0.0, 1.0), step(1.0, 1.0), step(3.0, 1.0)});
        EXPECT_DOUBLE_EQ(page.getMovementTime(), 2.0);
        for (const auto& moment : timeline) {
            const NaoJoints& desired = page.getDesiredJoints(measuredWith(0.5), 10.0 + moment.u / speedRate, false);
            EXPECT_NEAR(desired.getValue(JOINT), moment.expected, 1e-12) << speedRate << " at " << moment.u;
            EXPECT_EQ(page.hasFinished(), moment.finished) << speedRate << " at " << moment.u;
        }
        page.reset();
        EXPECT_NEAR(page.getDesiredJoints(measuredWith(0.7), 20.0, false).getValue(JOINT), 0.7, 1e-12);
    }
}

TEST(KeyframePageTest, AFirstStepWithoutDurationStartsTheStepPhaseInTheFirstCycle) {
    LinearKeyframePage page("p", 1.0, {step(1.0, 0.0), step(2.0, 1.0)});
    EXPECT_DOUBLE_EQ(page.getDesiredJoints(measuredWith(0.0), 5.0, false).getValue(JOINT), 1.0);
    EXPECT_DOUBLE_EQ(page.getDesiredJoints(measuredWith(1.0), 5.5, false).getValue(JOINT), 1.5);
}

/// Plays a page against a body that follows it exactly, from a start posture in the pages' directions.
std::vector<NaoJoints> playFollowing(KeyframePage& page, bool inverted, NaoJoints posture) {
    std::vector<NaoJoints> postures;
    for (double time = 0.0; time < 1.5; time += 0.02) {
        posture = page.getDesiredJoints(posture * NaoJoints::getNaoDirectionsFixing(), time, inverted);
        postures.push_back(posture);
    }
    return postures;
}

template <typename Page> void expectInvertedPlayingMirrorsEveryPose() {
    const std::vector<KeyframeStep> steps = {step(0.2, 0.3), step(-0.4, 0.2), step(0.1, 0.5), step(0.3, 0.4)};
    Page plain("plain", 1.5, steps);
    Page inverted("inverted", 1.5, steps);
    const NaoJoints start = step(0.6, 0.0).joints;
    const auto plainPostures = playFollowing(plain, false, start);
    const auto invertedPostures = playFollowing(inverted, true, NaoJoints::getSimetricPositions(start));
    for (std::size_t cycle = 0; cycle < plainPostures.size(); ++cycle) {
        const NaoJoints difference = invertedPostures[cycle] - NaoJoints::getSimetricPositions(plainPostures[cycle]);
        EXPECT_LT(difference.lInfiniteNorm(), 1e-12) << "cycle " << cycle;
    }
}

TEST(KeyframePageTest, InvertedPlayingGivesTheMirrorOfEveryPose) {
    expectInvertedPlayingMirrorsEveryPose<LinearKeyframePage>();
    expectInvertedPlayingMirrorsEveryPose<SplineKeyframePage>();
}

TEST(KeyframePageTest, ASplinePagePassesThroughEveryPoseAtItsTime) {
    SplineKeyframePage page("s", 1.0, {step(0.0, 0.0), step(1.0, 0.5), step(-1.0, 0.5), step(0.5, 1.0)});
    const double poses[][2] = {{0.0, 0.0}, {0.5, 1.0}, {1.0, -1.0}, {2.0, 0.5}};
    page.getDesiredJoints(measuredWith(0.0), 0.0, false);
    for (const auto& pose : poses) {
        EXPECT_NEAR(page.getDesiredJoints(measuredWith(0.0), pose[0], false).getValue(JOINT), pose[1], 1e-12);
    }
}

TEST(KeyframePageTest, PagesThatWouldFreezeOrBreakAreRejected) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    KeyframeStep badJoint = step(0.0, 1.0);
    badJoint.joints.setValue(NaoJoints::LEFT_ARM_YAW, nan);
    const std::function<void()> rejected[] = {
        [] {
            LinearKeyframePage("", 1.0, {step(0, 1), step(1, 1)});
        },
        [] {
            LinearKeyframePage("p", 0.0, {step(0, 1), step(1, 1)});
        },
        [] {
            LinearKeyframePage("p", -1.0, {step(0, 1), step(1, 1)});
        },
        [&] {
            LinearKeyframePage("p", nan, {step(0, 1), step(1, 1)});
        },
        [] { LinearKeyframePage("p", 1.0, {}); },
        [] {
            LinearKeyframePage("p", 1.0, {step(0, 1), step(1, -0.5), step(1, 1)});
        },
        [&] {
            LinearKeyframePage("p", 1.0, {step(0, 1), badJoint});
        },
        [] {
            LinearKeyframePage("p", 1.0, {step(0, 1), step(1, 0)});
        }, // nothing after the first pose
        [] {
            SplineKeyframePage("p", 1.0, {step(0, 1), step(1, 1), step(2, 0), step(3, 1)});
        },
        [] { ComplexKeyframePage("c", 1.0).addPage(nullptr, false, 1.0); },
        [] {
            auto sub =
                std::make_shared<LinearKeyframePage>("p", 1.0, std::vector<KeyframeStep>{step(0, 1), step(1, 1)});
            ComplexKeyframePage("c", 1.0).addPage(sub, false, 0.0);
        },
    };
    for (std::size_t i = 0; i < std::size(rejected); ++i) {
        EXPECT_THROW(rejected[i](), std::invalid_argument) << "case " << i;
    }
    // A later step that takes no time is a jump, which a linear page can play.
    EXPECT_NO_THROW(LinearKeyframePage("p", 1.0, {step(0, 1), step(1, 1), step(2, 0), step(3, 1)}));
}

class ComplexKeyframePageTest : public testing::Test {
protected:
    std::shared_ptr<KeyframePage> page(double first, double last, double speedRate) {
        return std::make_shared<LinearKeyframePage>("p", speedRate,
                                                    std::vector<KeyframeStep>{step(first, 0.0), step(last, 1.0)});
    }
    double play(ComplexKeyframePage& complex, double time, bool inverted) {
        return complex.getDesiredJoints(measuredWith(0.0), time, inverted).getValue(JOINT);
    }
};

TEST_F(ComplexKeyframePageTest, EntriesPlayInTurnWithTheirOwnMirroringAndSpeed) {
    ComplexKeyframePage complex("c", 1.0);
    complex.addPage(page(0.1, 0.2, 1.0), true, 1.0);
    complex.addPage(page(0.3, 0.4, 2.0), false, 2.0);
    EXPECT_DOUBLE_EQ(complex.getMovementTime(), 1.0 + 0.5); // each sub-page's own rate, not the entry's factor

    // Requested inverted: the first entry plays plain, the second mirrored (JOINT's twin takes the value).
    EXPECT_DOUBLE_EQ(play(complex, 0.0, true), 0.1);
    EXPECT_DOUBLE_EQ(play(complex, 1.0, true), 0.2);
    EXPECT_FALSE(complex.hasFinished());
    const double mirrored = complex.getDesiredJoints(measuredWith(0.0), 1.0, true).getValue(NaoJoints::RIGHT_HIP_ROLL);
    EXPECT_DOUBLE_EQ(mirrored, -0.3); // the second entry starts with its first pose
    // Entry factor 2 and page rate 2: a quarter of a second finishes its one-second step.
    EXPECT_DOUBLE_EQ(complex.getDesiredJoints(measuredWith(0.0), 1.25, true).getValue(NaoJoints::RIGHT_HIP_ROLL), -0.4);
    EXPECT_DOUBLE_EQ(play(complex, 1.3, true), 0.0);
    EXPECT_TRUE(complex.hasFinished());
    // The last pose once more, then the page starts again from its first entry.
    EXPECT_DOUBLE_EQ(complex.getDesiredJoints(measuredWith(0.0), 1.4, true).getValue(NaoJoints::RIGHT_HIP_ROLL), -0.4);
    EXPECT_DOUBLE_EQ(play(complex, 1.5, true), 0.1);
    EXPECT_FALSE(complex.hasFinished());
}

TEST_F(ComplexKeyframePageTest, APageThatWouldContainItselfAtAnyDepthIsRefused) {
    auto inner = std::make_shared<ComplexKeyframePage>("inner", 1.0);
    auto outer = std::make_shared<ComplexKeyframePage>("outer", 1.0);
    inner->addPage(page(0.0, 1.0, 1.0), false, 1.0);
    outer->addPage(inner, false, 1.0);
    outer->addPage(inner, true, 2.0); // twice is no loop
    EXPECT_THROW(outer->addPage(outer, false, 1.0), std::invalid_argument);
    EXPECT_THROW(inner->addPage(outer, false, 1.0), std::invalid_argument);
    auto top = std::make_shared<ComplexKeyframePage>("top", 1.0);
    top->addPage(outer, false, 1.0);
    EXPECT_THROW(inner->addPage(top, false, 1.0), std::invalid_argument);
    EXPECT_DOUBLE_EQ(top->getMovementTime(), 2.0);
}

} // namespace
} // namespace keyframe
} // namespace control
