#include "modeling/state_estimation/Resetter.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/state_estimation/SeenWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace modeling {
namespace state_estimation {
namespace {

using marlowinds_lib::math::MathUtils;
using representations::FlagType;
using representations::GoalPostType;
using representations::PlaySide;
using namespace testing;
using modeling::testing::expectNear;

constexpr double PI = MathUtils::PI;

FieldDescription fieldFor(PlaySide::PLAY_SIDE side) {
    FieldDescription field;
    field.update(side);
    return field;
}

struct CornerCase {
    PlaySide::PLAY_SIDE side;
    FlagType::FLAG_TYPE flag;
    /// Distances of the robot from the goal line and from the side line.
    double fromGoalLine;
    double fromSideLine;
    /// Added to the heading straight at the flag.
    double headingOffset;
};

TEST(ResetterTest, CornerFlagAndItsTwoLinesGiveTheTruePoseOnBothSides) {
    const CornerCase cases[] = {
        // The worked example: at (-12, 7), 3 m from both lines, F1L seen at a bearing of 0.1.
        {PlaySide::LEFT, FlagType::F1L, 3, 3, -0.1},      {PlaySide::LEFT, FlagType::F1L, 2, 4, 0.2},
        {PlaySide::LEFT, FlagType::F2L, 2.5, 1.5, -0.1},  {PlaySide::LEFT, FlagType::F1R, 1, 3, 0.1},
        {PlaySide::LEFT, FlagType::F2R, 4, 2, 0.15},      {PlaySide::RIGHT, FlagType::F1L, 2, 4, 0.2},
        {PlaySide::RIGHT, FlagType::F2L, 2.5, 1.5, -0.1}, {PlaySide::RIGHT, FlagType::F1R, 1, 3, 0.1},
        {PlaySide::RIGHT, FlagType::F2R, 4, 2, 0.15},
    };
    for (const CornerCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "side " << c.side << " flag " << c.flag << " at " << c.fromGoalLine << ", " << c.fromSideLine);
        const FieldDescription field = fieldFor(c.side);
        const Vector3d& known = field.getFlagKnownPosition(c.flag);
        const Vector2d corner(known.x, known.y);
        const Vector2d inward(known.x > 0 ? -1.0 : 1.0, known.y > 0 ? -1.0 : 1.0);
        const Vector2d position(corner.x + inward.x * c.fromGoalLine, corner.y + inward.y * c.fromSideLine);
        const Pose2D truth((corner - position).angle() + c.headingOffset, position);
        const Line2D goalLine = seeLine(truth, corner, corner + Vector2d(0, inward.y * 4));
        const Line2D sideLine = seeLine(truth, corner, corner + Vector2d(inward.x * 4, 0));
        Resetter resetter(field, 0.0, 0.0);

        Particle inOrder;
        resetter.computeParticleResetWithOneLandmark(inOrder, observeFlag(truth, field, c.flag), goalLine, sideLine);
        Particle swapped;
        resetter.computeParticleResetWithOneLandmark(swapped, observeFlag(truth, field, c.flag), sideLine, goalLine);

        expectNear(inOrder.getPose(), truth, 1e-9);
        expectNear(swapped.getPose(), truth, 1e-9);
    }
}

struct PairCase {
    PlaySide::PLAY_SIDE side;
    Pose2D truth;
    FlagType::FLAG_TYPE flag;
    GoalPostType::GOAL_POST_TYPE post;
    FlagType::FLAG_TYPE secondFlag;
};

TEST(ResetterTest, TwoLandmarksOnOneBorderGiveTheIntersectionInsideTheField) {
    const PairCase cases[] = {
        {PlaySide::LEFT, Pose2D(2.5, -10, 5), FlagType::F1L, GoalPostType::G1L, FlagType::UNKNOWN},
        {PlaySide::LEFT, Pose2D(1.0, 3, -2), FlagType::F1L, GoalPostType::UNKNOWN, FlagType::F1R},
        {PlaySide::LEFT, Pose2D(-2.0, -6, 1), FlagType::F2R, GoalPostType::G1L, FlagType::UNKNOWN},
        {PlaySide::RIGHT, Pose2D(-0.5, 10, -5), FlagType::F1L, GoalPostType::G1L, FlagType::UNKNOWN},
        {PlaySide::RIGHT, Pose2D(0.3, -4, 6), FlagType::F2L, GoalPostType::UNKNOWN, FlagType::F1L},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "side " << c.side << " flag " << c.flag);
        const FieldDescription field = fieldFor(c.side);
        const LandmarkObservation second = c.post != GoalPostType::UNKNOWN ? observeGoalPost(c.truth, field, c.post)
                                                                           : observeFlag(c.truth, field, c.secondFlag);
        Resetter resetter(field, 0.0, 0.0);
        Particle forward;
        resetter.computeParticleResetWithTwoLandmarks(forward, observeFlag(c.truth, field, c.flag), second);
        Particle backward;
        resetter.computeParticleResetWithTwoLandmarks(backward, second, observeFlag(c.truth, field, c.flag));

        expectNear(forward.getPose(), c.truth, 1e-9);
        expectNear(backward.getPose(), c.truth, 1e-9);
    }
}

TEST(ResetterTest, DiagonalLandmarksChooseByTheParityOfRand) {
    const FieldDescription field = fieldFor(PlaySide::LEFT);
    const Pose2D truth(0.7, -4, 3);
    const LandmarkObservation f1l = observeFlag(truth, field, FlagType::F1L);
    const LandmarkObservation f2r = observeFlag(truth, field, FlagType::F2R);
    Vector2d right;
    Vector2d left;
    ASSERT_TRUE(
        Resetter::computeTwoCirclesIntersection(f1l.position, f1l.distance, f2r.position, f2r.distance, right, left));
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        std::srand(seed);
        const Vector2d expected = std::rand() % 2 == 1 ? left : right;
        std::srand(seed);
        Particle particle;
        Resetter(field, 0.0, 0.0).computeParticleResetWithTwoLandmarks(particle, f1l, f2r);
        EXPECT_NEAR(particle.getPose().translation.x, expected.x, 1e-9);
        EXPECT_NEAR(particle.getPose().translation.y, expected.y, 1e-9);
    }
}

TEST(ResetterTest, CirclesThatDoNotMeetOrShareTheirCentreLeaveTheParticle) {
    const FieldDescription field = fieldFor(PlaySide::LEFT);
    const Pose2D truth(0.3, -10, 5);
    LandmarkObservation f1l = observeFlag(truth, field, FlagType::F1L);
    LandmarkObservation g1l = observeGoalPost(truth, field, GoalPostType::G1L);
    LandmarkObservation tooShort = g1l;
    tooShort.distance = 1.0;
    LandmarkObservation tooLong = g1l;
    tooLong.distance = 30.0;
    const std::pair<LandmarkObservation, LandmarkObservation> pairs[] = {
        {f1l, tooShort}, {f1l, tooLong}, {f1l, f1l}, {g1l, g1l}};
    for (const auto& pair : pairs) {
        Particle particle(Pose2D(1, 2, 3));
        Resetter(field, 0.0, 0.0).computeParticleResetWithTwoLandmarks(particle, pair.first, pair.second);
        EXPECT_EQ(particle.getPose(), Pose2D(1, 2, 3));
    }
}

TEST(ResetterTest, CircleIntersectionsComeRightThenLeft) {
    Vector2d first;
    Vector2d second;
    ASSERT_TRUE(Resetter::computeTwoCirclesIntersection({0, 0}, 5, {8, 0}, 5, first, second));
    EXPECT_NEAR(first.x, 4, 1e-12);
    EXPECT_NEAR(first.y, -3, 1e-12);
    EXPECT_NEAR(second.x, 4, 1e-12);
    EXPECT_NEAR(second.y, 3, 1e-12);
    EXPECT_FALSE(Resetter::computeTwoCirclesIntersection({0, 0}, 1, {8, 0}, 1, first, second));
    EXPECT_FALSE(Resetter::computeTwoCirclesIntersection({0, 0}, 10, {1, 0}, 1, first, second));

    Vector2d closest;
    EXPECT_TRUE(Resetter::computeClosestCircleIntersection({0, 0}, 5, {8, 0}, 5, {4, -2}, closest));
    EXPECT_NEAR(closest.y, -3, 1e-12);
    EXPECT_TRUE(Resetter::computeClosestCircleIntersection({0, 0}, 5, {8, 0}, 5, {4, 2}, closest));
    EXPECT_NEAR(closest.y, 3, 1e-12);
}

TEST(ResetterTest, ThreeLandmarksGiveTheTruePose) {
    const FieldDescription field = fieldFor(PlaySide::LEFT);
    const Pose2D poses[] = {Pose2D(0.4, -5, 2), Pose2D(-2.5, 6, -3), Pose2D(1.2, 0, 0)};
    for (const Pose2D& truth : poses) {
        SCOPED_TRACE(::testing::Message() << truth.translation.x << ", " << truth.translation.y);
        Particle particle;
        Resetter(field, 0.0, 0.0)
            .computeParticleResetWithThreeLandmarks(particle, observeFlag(truth, field, FlagType::F1L),
                                                    observeGoalPost(truth, field, GoalPostType::G2L),
                                                    observeFlag(truth, field, FlagType::F1R));
        expectNear(particle.getPose(), truth, 1e-6);
    }
}

class SensorResetTest : public ::testing::Test {
protected:
    void SetUp() override {
        MathUtils::generator.seed(5489u);
        std::srand(1);
        particles.assign(300, Particle(Pose2D(0, 100, 100)));
    }

    int resetCount() const {
        int count = 0;
        for (const Particle& particle : particles) {
            count += particle.getPose() != Pose2D(0, 100, 100) ? 1 : 0;
        }
        return count;
    }

    void reset(std::vector<LandmarkObservation> landmarks, const std::vector<Line2D>& lines, double probability) {
        resetter.sensorReset(particles.data(), static_cast<int>(particles.size()), landmarks, lines, probability);
    }

    FieldDescription field = fieldFor(PlaySide::LEFT);
    Resetter resetter{field, 0.0, 0.0};
    std::vector<Particle> particles;
    const Pose2D truth{2.6, -12, 7};
};

TEST_F(SensorResetTest, ProbabilityOneResetsEveryParticleFromTwoLandmarks) {
    reset({observeFlag(truth, field, FlagType::F1L), observeGoalPost(truth, field, GoalPostType::G1L),
           observeGoalPost(truth, field, GoalPostType::G2L)},
          {}, 1.0);

    for (const Particle& particle : particles) {
        expectNear(particle.getPose(), truth, 1e-6);
    }
}

TEST_F(SensorResetTest, SmallProbabilityResetsAFewOnAverage) {
    int total = 0;
    const int rounds = 50;
    for (int round = 0; round < rounds; ++round) {
        particles.assign(300, Particle(Pose2D(0, 100, 100)));
        reset({observeFlag(truth, field, FlagType::F1L), observeGoalPost(truth, field, GoalPostType::G1L)}, {}, 0.01);
        total += resetCount();
    }
    EXPECT_NEAR(static_cast<double>(total) / rounds, 3.0, 0.75);
}

TEST_F(SensorResetTest, NothingWithoutEnoughObservations) {
    const Line2D a = seeLine(truth, {-14, 10}, {-10, 10});
    const Line2D b = seeLine(truth, {-15, 9}, {-15, 5});
    reset({}, {a, b}, 1.0);
    reset({observeFlag(truth, field, FlagType::F1L)}, {a}, 1.0);
    reset({observeFlag(truth, field, FlagType::F1L)}, {a, b, a}, 1.0);
    // One goal post cannot anchor a corner.
    reset({observeGoalPost(truth, field, GoalPostType::G1L)}, {a, b}, 1.0);
    EXPECT_EQ(resetCount(), 0);
}

TEST_F(SensorResetTest, CornerLinesMustMeetWithinThreeMetres) {
    struct Case {
        double gap;
        bool reset;
    };
    const Case cases[] = {{3.0, true}, {3.01, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "gap " << c.gap);
        particles.assign(300, Particle(Pose2D(0, 100, 100)));
        reset({observeFlag(truth, field, FlagType::F1L)}, {Line2D({0, 0}, {0, 5}), Line2D({c.gap, 0}, {c.gap, -5})},
              1.0);
        EXPECT_EQ(resetCount(), c.reset ? 300 : 0);
    }
}

} // namespace
} // namespace state_estimation
} // namespace modeling
