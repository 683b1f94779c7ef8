#include "modeling/state_estimation/ObservationModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/state_estimation/LocalizerParams.h"
#include "tests/modeling/state_estimation/SeenWorld.h"

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/uniform_real_distribution.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace modeling {
namespace state_estimation {
namespace {

using marlowinds_lib::math::MathUtils;
using representations::FlagType;
using representations::GoalPostType;
using representations::NaoJoints;
using representations::PlaySide;
using namespace testing;

constexpr double PI = MathUtils::PI;

ObservationModel defaultModel() {
    const LocalizerParams params;
    return ObservationModel(params.distanceSigma * params.distanceSigma, params.bearingSigma * params.bearingSigma);
}

LandmarkObservation landmark(double distance, double bearing, Vector2d position) {
    LandmarkObservation observation;
    observation.distance = distance;
    observation.bearing = bearing;
    observation.position = position;
    return observation;
}

std::set<int> candidateNumbers(const ObservationModel& model) {
    std::set<int> numbers;
    for (const Line2D& candidate : model.getPossibleActualLines()) {
        for (std::size_t i = 0; i < model.getFieldLines().size(); ++i) {
            const Line2D& line = model.getFieldLines()[i];
            if (line.getStart() == candidate.getStart() && line.getEnd() == candidate.getEnd()) {
                numbers.insert(static_cast<int>(i) + 1);
            }
        }
    }
    return numbers;
}

TEST(ObservationModelTest, ScoresLandmarksBySquaredErrorsOverVariances) {
    const ObservationModel model = defaultModel();
    const Particle particle(Pose2D(0.3, 1, 2));
    // One sigma (0.31 % of the seen distance) short of 10 m.
    const double oneSigmaShort = 10.0 / 1.0031;
    const double bearingSigma = LocalizerParams().bearingSigma;
    const Vector2d ten = Vector2d(10, 0).rotate(0.3 + 0.2) + Vector2d(1, 2);
    const Vector2d five = Vector2d(5, 0).rotate(0.3 - 1.0) + Vector2d(1, 2);
    struct Case {
        std::vector<LandmarkObservation> landmarks;
        double expected;
    };
    const Case cases[] = {
        {{landmark(10, 0.2, ten), landmark(5, -1.0, five)}, 0.0},
        {{landmark(oneSigmaShort, 0.2, ten)}, -1.0},
        {{landmark(10, 0.2 + bearingSigma, ten)}, -1.0},
        {{landmark(oneSigmaShort, 0.2, ten), landmark(5, -1.0 - bearingSigma, five)}, -2.0},
        {{}, ObservationModel::IMPOSSIBLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.landmarks.size() << " landmarks, expected " << c.expected);
        const double score = model.calculateObservationLogProbabilityFromLandmarks(particle, c.landmarks);
        EXPECT_NEAR(score, c.expected, std::abs(c.expected) * 1e-3 + 1e-9);
    }
}

TEST(ObservationModelTest, BearingErrorWrapsAroundTheBack) {
    const ObservationModel model = defaultModel();
    const Particle particle(Pose2D(PI - 0.01, 0, 0));
    // Seen straight ahead, and ahead is just short of pi.
    const LandmarkObservation behind = landmark(5, 0.0, Vector2d(-5, -0.05));
    EXPECT_GT(model.calculateObservationLogProbabilityFromOneLandmark(particle, behind), -1.0);
}

TEST(ObservationModelTest, UnusableObservationsAreSkippedWithADiagnostic) {
    const ObservationModel model = defaultModel();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ::testing::internal::CaptureStdout();
    const double atZero =
        model.calculateObservationLogProbabilityFromOneLandmark(Particle(Pose2D(0, 1, 1)), landmark(0.0, 0.0, {1, 1}));
    const std::string zeroOutput = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(atZero, 0.0);
    EXPECT_EQ(zeroOutput, "zero division");

    EXPECT_EQ(model.calculateObservationLogProbabilityFromOneLandmark(Particle(), landmark(nan, 0.0, {1, 1})), 0.0);
    EXPECT_EQ(model.calculateObservationLogProbabilityFromOneLandmark(Particle(), landmark(2.0, 0.0, {nan, 1})), 0.0);

    ::testing::internal::CaptureStdout();
    const double lost = model.calculateObservationLogProbabilityFromOneLandmark(Particle(Pose2D(0, nan, 0)),
                                                                                landmark(2.0, 0.0, {1, 1}));
    const std::string lostOutput = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(lost, ObservationModel::IMPOSSIBLE);
    EXPECT_EQ(lostOutput, "distance probability error");
}

TEST(ObservationModelTest, CandidateLinesAreThoseInTheViewWedge) {
    struct Case {
        Pose2D estimate;
        double neckYaw;
        std::set<int> expected;
    };
    const double seventy = ObservationModel::HALF_VIEW_ANGLE;
    const Case cases[] = {
        {Pose2D(0, 0, 0), 0.0, {1, 2, 3, 6, 7, 8}},
        {Pose2D(PI / 2, 0, 0), 0.0, {1, 2, 4, 5}},
        {Pose2D(0, -10, 0), 0.0, {1, 2, 3, 5, 6, 7, 8}},
        // The neck turns the wedge with it.
        {Pose2D(PI / 2 - seventy, 0, 0), seventy, {1, 2, 4, 5}},
        {Pose2D(PI, 0, 0), 0.0, {1, 3, 4, 9, 10, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "estimate (" << c.estimate.rotation << ", " << c.estimate.translation.x
                                          << ", " << c.estimate.translation.y << ") neck " << c.neckYaw);
        ObservationModel model = defaultModel();
        NaoJoints joints;
        joints.setValue(NaoJoints::NECK_YAW, c.neckYaw);
        model.calculatePossibleActualLines(c.estimate, joints);
        EXPECT_EQ(candidateNumbers(model), c.expected);
    }
}

class LineScoreTest : public ::testing::Test {
protected:
    double score(const Pose2D& particle, const std::vector<Line2D>& seen) {
        model.updateWithEstimate(seen, estimate, NaoJoints());
        return model.calculateObservationLogProbabilityFromLines(Particle(particle), seen);
    }

    ObservationModel model = defaultModel();
    const Pose2D truth{0.2, -8, 3};
    const Pose2D estimate = truth;
};

TEST_F(LineScoreTest, TheTruePoseExplainsItsLinesBest) {
    const std::vector<Line2D> seen = {seeLine(truth, {0, 10}, {0, -4}), seeLine(truth, {-5, 10}, {3, 10})};
    const double atTruth = score(truth, seen);
    const Pose2D displaced[] = {Pose2D(0.2, -7.5, 3), Pose2D(0.2, -8, 3.5), Pose2D(0.3, -8, 3)};
    for (const Pose2D& other : displaced) {
        EXPECT_LT(score(other, seen), atTruth);
    }
    EXPECT_GT(atTruth, -1.0);
}

TEST_F(LineScoreTest, EmptyAndUnmatchableLines) {
    EXPECT_EQ(score(truth, {}), 0.0);
    // Longer than every candidate by a fifth: the halfway line and the side lines are 20 and 30 m.
    const std::vector<Line2D> tooLong = {Line2D({1, -18}, {1, 18})};
    EXPECT_EQ(score(truth, tooLong), ObservationModel::IMPOSSIBLE);
}

TEST_F(LineScoreTest, LinesBeyondTheTablesTakeNoPart) {
    const Line2D halfway = seeLine(truth, {0, 8}, {0, -2});
    const Pose2D displaced(0.25, -8.1, 3.1);
    const double one = score(displaced, {halfway});
    ASSERT_LT(one, -1.0);
    const std::vector<Line2D> many(ObservationModel::MAX_LINES + 5, halfway);
    EXPECT_NEAR(score(displaced, many), one * ObservationModel::MAX_LINES, std::abs(one) * 1e-9);
}

TEST_F(LineScoreTest, EachSeenLineScoresItsBestCandidate) {
    const std::vector<Line2D> seen = {seeLine(truth, {0, 10}, {0, -4}), seeLine(truth, {-5, 10}, {3, 10}),
                                      seeLine(truth, {-13.2, 3}, {-13.2, 1}), seeLine(truth, {-2, 10}, {-1, 10})};
    model.updateWithEstimate(seen, estimate, NaoJoints());
    const Particle atEstimate(estimate);
    boost::random::mt19937 engine(11u);
    boost::random::normal_distribution<double> near(0.0, 0.3);
    boost::random::uniform_real_distribution<double> anywhere(-15.0, 15.0);
    for (int round = 0; round < 400; ++round) {
        const Pose2D particle = round % 2 == 0
                                    ? Pose2D(truth.rotation + near(engine), truth.translation.x + near(engine),
                                             truth.translation.y + near(engine))
                                    : Pose2D(anywhere(engine) / 5, anywhere(engine), anywhere(engine) / 1.5);
        // Every candidate of every seen line, scored in full.
        double expected = 0.0;
        for (const Line2D& line : seen) {
            double best = ObservationModel::IMPOSSIBLE;
            for (const Line2D& candidate : model.getPossibleActualLines()) {
                if (line.getStart().distance(line.getEnd()) / candidate.getStart().distance(candidate.getEnd()) >
                    ObservationModel::MAX_LENGTH_RATIO) {
                    continue;
                }
                const auto pair = model.extractLandmarksFromLine(atEstimate, candidate, line);
                const double term =
                    model.calculateObservationLogProbabilityFromOneLandmark(Particle(particle), pair.first) +
                    model.calculateObservationLogProbabilityFromOneLandmark(Particle(particle), pair.second);
                best = term > best ? term : best;
            }
            expected += best;
        }
        ASSERT_EQ(model.calculateObservationLogProbabilityFromLines(Particle(particle), seen), expected)
            << "round " << round;
    }
}

TEST(ObservationModelTest, NegativeInformationCountsLandmarksOutsideTheView) {
    const ObservationModel model = defaultModel();
    const Particle particle(Pose2D(0, 0, 0));
    const std::vector<LandmarkObservation> landmarks = {landmark(5, 0, {5, 0}), landmark(5, 0, {-5, 0}),
                                                        landmark(5, 0, {1, 5})};
    EXPECT_EQ(model.calculateObservationLogProbabilityFromNegativeInfo(particle, landmarks), -40.0);
    EXPECT_EQ(model.calculateObservationLogProbabilityFromNegativeInfo(particle, {}), 0.0);
}

} // namespace
} // namespace state_estimation
} // namespace modeling
