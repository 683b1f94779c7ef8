#include "modeling/state_estimation/Localizer.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/state_estimation/SeenWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <vector>

namespace modeling {
namespace state_estimation {
namespace {

using control::walking::OdometryDistribution;
using marlowinds_lib::math::MathUtils;
using representations::FlagType;
using representations::NaoJoints;
using namespace testing;

constexpr double PI = MathUtils::PI;
constexpr int N = 300;

/// The field lines near the left penalty area and the halfway line, as stretches.
const std::vector<std::pair<Vector2d, Vector2d>> SOME_LINES = {
    {{-15, -6}, {-15, 6}}, {{-13.2, 3}, {-13.2, -3}}, {{0, -8}, {0, 8}}, {{-12, 10}, {-2, 10}}};

/// Advances the engine as n draws of a normal distribution do.
void drawNormals(boost::random::mt19937& engine, int n) {
    boost::random::normal_distribution<double> normal;
    for (int draw = 0; draw < n; ++draw) {
        normal(engine);
    }
}

class LocalizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        MathUtils::generator.seed(5489u);
        std::srand(1);
    }

    void see(const VisibleWorld& world, const OdometryDistribution& odometry = OdometryDistribution()) {
        localizer.update(0.0, world.flags, world.goalPosts, world.lines, odometry, NaoJoints());
    }

    double positionError(const Pose2D& truth) const {
        return localizer.getPoseEstimate().translation.distance(truth.translation);
    }

    double headingError(const Pose2D& truth) const {
        return std::abs(MathUtils::normalizeAngle(localizer.getPoseEstimate().rotation - truth.rotation));
    }

    FieldDescription field;
    Localizer localizer{field, N, LocalizerParams()};
    const Pose2D truth{0.4, -9, 2};
};

TEST_F(LocalizerTest, StartsSpreadOverTheFieldWithTheEstimateAtTheCentre) {
    EXPECT_EQ(localizer.getPoseEstimate(), Pose2D());
    ASSERT_EQ(localizer.getParticles().size(), static_cast<std::size_t>(N));
    double minX = 100, maxX = -100;
    for (const Particle& particle : localizer.getParticles()) {
        const Pose2D& pose = particle.getPose();
        EXPECT_GE(pose.translation.x, -15.0);
        EXPECT_LT(pose.translation.x, 15.0);
        EXPECT_GE(pose.translation.y, -10.0);
        EXPECT_LT(pose.translation.y, 10.0);
        EXPECT_GE(pose.rotation, -PI);
        EXPECT_LT(pose.rotation, PI);
        EXPECT_DOUBLE_EQ(particle.getWeight(), 1.0 / N);
        minX = std::min(minX, pose.translation.x);
        maxX = std::max(maxX, pose.translation.x);
    }
    EXPECT_GT(maxX - minX, 25.0);
}

TEST_F(LocalizerTest, ACycleWithoutObservationsOnlyMovesTheParticles) {
    OdometryDistribution odometry;
    odometry.mean = Pose2D(0.01, 0.02, 0);
    odometry.sigmaX = odometry.sigmaY = odometry.sigmaRotation = 0.01;
    boost::random::mt19937 expected = MathUtils::generator;
    drawNormals(expected, 3 * N);

    see(VisibleWorld(), odometry);

    EXPECT_EQ(MathUtils::generator, expected);
    EXPECT_EQ(localizer.getWSlow(), -1.0);
    EXPECT_EQ(localizer.getWFast(), -1.0);
    for (const Particle& particle : localizer.getParticles()) {
        EXPECT_DOUBLE_EQ(particle.getWeight(), 1.0 / N);
    }
    EXPECT_NE(localizer.getPoseEstimate(), Pose2D());
}

TEST_F(LocalizerTest, DrawsTheOdometryNoiseThenTheResamplingOffsetThenTheResets) {
    localizer.reset(truth, Pose2D(0.001, 0.001, 0.001));
    VisibleWorld world;
    world.seeGoalPost(truth, field, representations::GoalPostType::G1L);
    world.seeGoalPost(truth, field, representations::GoalPostType::G2L);
    OdometryDistribution odometry;
    odometry.sigmaX = odometry.sigmaY = odometry.sigmaRotation = 0.01;

    boost::random::mt19937 expected = MathUtils::generator;
    boost::random::uniform_real_distribution<double> uniform(0.0, 1.0);
    drawNormals(expected, 3 * N);
    uniform(expected);
    // The first cycle with a likely total resets with the floor probability;
    // each reset from two landmarks draws distance and bearing noise for both.
    int resets = 0;
    for (int particle = 0; particle < N; ++particle) {
        if (Localizer::MIN_RESET_PROBABILITY > uniform(expected)) {
            ++resets;
            drawNormals(expected, 4);
        }
    }

    see(world, odometry);

    ASSERT_EQ(localizer.getResetProbability(), Localizer::MIN_RESET_PROBABILITY);
    EXPECT_GT(resets, 0);
    EXPECT_EQ(MathUtils::generator, expected);
}

TEST_F(LocalizerTest, FirstCycleWithALikelyTotalSetsBothAveragesAndTheFloorProbability) {
    localizer.reset(truth, Pose2D(0.001, 0.001, 0.001));
    VisibleWorld world;
    world.seeEverything(truth, field, SOME_LINES);

    see(world);

    EXPECT_GE(localizer.getWSlow(), Localizer::TOTAL_LIKELIHOOD_FLOOR);
    EXPECT_EQ(localizer.getWSlow(), localizer.getWFast());
    EXPECT_EQ(localizer.getResetProbability(), 0.01);
    EXPECT_LT(positionError(truth), 0.05);
}

TEST_F(LocalizerTest, WhenEveryWeightUnderflowsTheFilterResetsFromTheLandmarks) {
    localizer.reset(Pose2D(-2, 8, -5), Pose2D(0.1, 0.5, 0.5));
    VisibleWorld world;
    world.seeEverything(truth, field, {});

    see(world);

    EXPECT_EQ(localizer.getWSlow(), 1.0);
    EXPECT_EQ(localizer.getWFast(), 0.0);
    EXPECT_EQ(localizer.getResetProbability(), 1.0);
    int nearTruth = 0;
    for (const Particle& particle : localizer.getParticles()) {
        EXPECT_DOUBLE_EQ(particle.getWeight(), 1.0 / N);
        nearTruth += particle.getPose().translation.distance(truth.translation) < 0.5 ? 1 : 0;
    }
    // Diagonal pairs of landmarks pick one of their two intersections at random.
    EXPECT_GT(nearTruth, N / 2);

    see(world);
    see(world);
    EXPECT_LT(positionError(truth), 0.1);
    EXPECT_LT(headingError(truth), 0.03);
}

TEST_F(LocalizerTest, LinesNoParticleCanExplainLeaveTheWeightsDefined) {
    VisibleWorld world;
    world.addLine({1, -20, 0}, {1, 20, 0});

    see(world);

    EXPECT_EQ(localizer.getResetProbability(), 1.0);
    std::set<double> distinct;
    for (const Particle& particle : localizer.getParticles()) {
        EXPECT_DOUBLE_EQ(particle.getWeight(), 1.0 / N);
        EXPECT_TRUE(std::isfinite(particle.getPose().translation.x));
        distinct.insert(particle.getPose().translation.x);
    }
    // Uniform weights keep the spread instead of copying one particle everywhere.
    EXPECT_GT(distinct.size(), static_cast<std::size_t>(N - 5));
    EXPECT_TRUE(std::isfinite(localizer.getPoseEstimate().rotation));
}

TEST_F(LocalizerTest, LinesBelowTheFloorDoNotWeightWhenLandmarksAreSeen) {
    const auto runWith = [this](bool withLine) {
        MathUtils::generator.seed(5489u);
        std::srand(1);
        Localizer fresh(field, N, LocalizerParams());
        fresh.reset(truth, Pose2D(0.05, 0.3, 0.3));
        VisibleWorld world;
        world.seeEverything(truth, field, {});
        if (withLine) {
            world.addLine({1, -20, 0}, {1, 20, 0});
        }
        fresh.update(0.0, world.flags, world.goalPosts, world.lines, OdometryDistribution(), NaoJoints());
        return fresh.getParticles();
    };
    const std::vector<Particle> without = runWith(false);
    const std::vector<Particle> with = runWith(true);
    for (int i = 0; i < N; ++i) {
        EXPECT_EQ(with[i].getPose(), without[i].getPose()) << "particle " << i;
    }
}

TEST_F(LocalizerTest, UnusableObjectsAreNotObserved) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    VisibleWorld world;
    world.addFlag(FlagType::F1L, {0, 0, 0.5});
    world.addFlag(FlagType::F2L, {nan, 1, 0});
    world.addFlag(FlagType::UNKNOWN, {3, 1, 0});
    world.addFlag(FlagType::F1R, {3, 4, 0});
    world.addGoalPost("G2R", {0, 0, 0});
    world.addGoalPost("G1R", {6, 8, 0});
    world.flags.push_back(nullptr);

    const std::vector<LandmarkObservation>& seen = localizer.getLandmarkObservations(world.flags, world.goalPosts);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].flagType, FlagType::F1R);
    EXPECT_NEAR(seen[0].distance, 5.0, 1e-12);
    EXPECT_EQ(seen[0].position, Vector2d(15, 10));
    EXPECT_EQ(seen[1].goalPostType, representations::GoalPostType::G1R);
    EXPECT_NEAR(seen[1].bearing, std::atan2(8.0, 6.0), 1e-12);

    see(world);
    EXPECT_TRUE(std::isfinite(localizer.getPoseEstimate().translation.x));
}

TEST_F(LocalizerTest, ShortLinesAreUsedOnlyWhenFewLinesAreSeen) {
    struct Case {
        std::vector<double> lengths;
        std::vector<double> expectedLengths;
    };
    const Case cases[] = {
        {{2.0, 1.0, 0.5}, {2.0, 1.0}},
        {{1.0, 3.0, 0.5}, {3.0, 1.0}},
        {{1.0, 0.5, 0.7}, {}},
        {{1.0, 0.5}, {1.0, 0.5}},
        {{1.5}, {1.5}},
        {{1.5, 2.0, 3.0, 1.0}, {2.0, 3.0}},
        {{1.5, 1.0, 1.2, 0.3}, {}},
        {{2.0, 2.5, 4.0}, {2.0, 2.5, 4.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lengths.size() << " lines, the first " << c.lengths.front() << " m");
        VisibleWorld world;
        for (std::size_t i = 0; i < c.lengths.size(); ++i) {
            world.addLine({1.0 + i, 1, 0}, {1.0 + i, 1 + c.lengths[i], 0});
        }
        const std::vector<Line2D>& used = localizer.getLinesObservations(world.lines);
        ASSERT_EQ(used.size(), c.expectedLengths.size());
        for (std::size_t i = 0; i < used.size(); ++i) {
            EXPECT_NEAR(used[i].getStart().distance(used[i].getEnd()), c.expectedLengths[i], 1e-9);
        }
    }
}

TEST_F(LocalizerTest, HeadingsAroundPiAverageToPi) {
    localizer.reset(Pose2D(PI, 0, 0), Pose2D(0.05, 0, 0));
    localizer.updateEstimate();
    EXPECT_GT(std::abs(localizer.getPoseEstimate().rotation), PI - 0.02);
}

TEST_F(LocalizerTest, ResamplingStopsAtTheLastParticle) {
    std::vector<Particle>& particles = localizer.getParticles();
    for (int i = 0; i < N; ++i) {
        particles[i].setPose(Pose2D(0, i, 0));
        particles[i].setWeight(i == 0 ? 0.5 : 0.0);
    }

    localizer.resample();

    int fromFirst = 0;
    for (const Particle& particle : localizer.getParticles()) {
        const double source = particle.getPose().translation.x;
        EXPECT_TRUE(source == 0.0 || source == N - 1) << source;
        fromFirst += source == 0.0 ? 1 : 0;
        EXPECT_DOUBLE_EQ(particle.getWeight(), 1.0 / N);
    }
    EXPECT_NEAR(fromFirst, N / 2, 1);
}

TEST_F(LocalizerTest, ConvergesFromTheWholeFieldAndTracksAWalk) {
    Pose2D pose = truth;
    OdometryDistribution odometry;
    odometry.mean = Pose2D(0.005, 0.01, 0.0);
    odometry.sigmaX = odometry.sigmaY = 0.002;
    odometry.sigmaRotation = 0.002;
    for (int cycle = 0; cycle < 150; ++cycle) {
        pose = Pose2D(pose.rotation + 0.005, pose.translation + Vector2d(0.01, 0).rotate(pose.rotation));
        VisibleWorld world;
        if (cycle % 3 == 0) {
            world.seeEverything(pose, field, SOME_LINES);
        }
        see(world, odometry);
        if (cycle >= 10) {
            ASSERT_LT(positionError(pose), 0.15) << "cycle " << cycle;
            ASSERT_LT(headingError(pose), 0.05) << "cycle " << cycle;
        }
    }
}

TEST_F(LocalizerTest, CyclesAllocateNothingOnceWarm) {
    if (!modeling::testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    VisibleWorld here;
    here.seeEverything(truth, field, SOME_LINES);
    VisibleWorld elsewhere;
    elsewhere.seeEverything(Pose2D(-2.0, 7, -5), field, SOME_LINES);
    OdometryDistribution odometry;
    odometry.sigmaX = odometry.sigmaY = odometry.sigmaRotation = 0.01;
    for (int cycle = 0; cycle < 3; ++cycle) {
        see(here, odometry);
    }

    const long before = modeling::testing::AllocationCounter::count();
    for (int cycle = 0; cycle < 5; ++cycle) {
        see(here, odometry);
    }
    // Carried off: every particle is reset from the landmarks.
    see(elsewhere, odometry);
    const long allocations = modeling::testing::AllocationCounter::count() - before;

    EXPECT_EQ(localizer.getResetProbability(), 1.0);
    EXPECT_EQ(allocations, 0);
}

} // namespace
} // namespace state_estimation
} // namespace modeling
