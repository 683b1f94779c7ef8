#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace marlowinds_lib {
namespace math {
namespace {

constexpr double PI = MathUtils::PI;

struct AngleCase {
    double input;
    double expected;
};

TEST(MathUtilsTest, NormalizeAngleWrapsIntoHalfOpenRange) {
    const AngleCase cases[] = {
        {0.0, 0.0},          {PI, -PI},          {-PI, -PI},          {3 * PI, -PI},
        {PI / 2, PI / 2},    {-PI / 2, -PI / 2}, {2 * PI + 0.5, 0.5}, {-2 * PI - 0.5, -0.5},
        {7 * PI / 4, -PI / 4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(MathUtils::normalizeAngle(c.input), c.expected, 1e-12) << "input " << c.input;
        EXPECT_EQ(MathUtils::normalizeAngle(c.input), MathUtils::wrapToPi(c.input));
    }
}

TEST(MathUtilsTest, NormalizeAngleKeepsStepwiseResultForOrdinaryInput) {
    // Exactly what repeated subtraction of 2*pi gives, bit for bit.
    const double input = 5.0;
    EXPECT_EQ(MathUtils::normalizeAngle(input), input - MathUtils::TWO_PI);
    EXPECT_EQ(MathUtils::normalizeAngle(-4.0), -4.0 + MathUtils::TWO_PI);
}

TEST(MathUtilsTest, AngleWrappingOfNonFiniteAndHugeValuesTerminates) {
    EXPECT_TRUE(std::isnan(MathUtils::normalizeAngle(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(MathUtils::normalizeAngle(-std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(MathUtils::normalizeAngle(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(MathUtils::wrapTo2Pi(std::numeric_limits<double>::infinity())));

    for (const double huge : {1e12, -1e12, 1e300, -1e300, 123456.789}) {
        const double wrapped = MathUtils::normalizeAngle(huge);
        EXPECT_GE(wrapped, -PI) << huge;
        EXPECT_LT(wrapped, PI) << huge;
        const double wrapped2Pi = MathUtils::wrapTo2Pi(huge);
        EXPECT_GE(wrapped2Pi, 0.0) << huge;
        EXPECT_LT(wrapped2Pi, MathUtils::TWO_PI) << huge;
    }
    // A large value reduced by remainder still denotes the same direction.
    EXPECT_NEAR(std::cos(MathUtils::normalizeAngle(123456.789)), std::cos(123456.789), 1e-9);
    EXPECT_NEAR(std::sin(MathUtils::normalizeAngle(123456.789)), std::sin(123456.789), 1e-9);
}

TEST(MathUtilsTest, WrapTo2PiWrapsIntoZeroToTwoPi) {
    EXPECT_EQ(MathUtils::wrapTo2Pi(2 * PI), 0.0);
    EXPECT_NEAR(MathUtils::wrapTo2Pi(-PI / 2), 3 * PI / 2, 1e-12);
    EXPECT_NEAR(MathUtils::wrapTo2Pi(5 * PI), PI, 1e-12);
    const double negativeZero = MathUtils::wrapTo2Pi(-0.0);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(MathUtilsTest, SaturateAndClampDifferWhenBoundsAreSwapped) {
    EXPECT_EQ(MathUtils::saturate(5, 0, 1), 1);
    EXPECT_EQ(MathUtils::saturate(-5, 0, 1), 0);
    EXPECT_EQ(MathUtils::saturate(0.5, 0, 1), 0.5);
    EXPECT_EQ(MathUtils::saturate(0.5, 1, 0), 0);
    EXPECT_EQ(MathUtils::clamp(0.5, 1.0, 0.0), 1.0);
    EXPECT_EQ(MathUtils::clamp(5, 0, 3), 3);
    EXPECT_EQ(MathUtils::clamp(2.5f, 0.0f, 1.0f), 1.0f);
    EXPECT_EQ(MathUtils::clamp(static_cast<unsigned char>(200), static_cast<unsigned char>(10),
                               static_cast<unsigned char>(100)),
              100);
}

TEST(MathUtilsTest, ScalarHelpers) {
    EXPECT_EQ(MathUtils::sign(3.0), 1.0);
    EXPECT_EQ(MathUtils::sign(-0.1), -1.0);
    EXPECT_EQ(MathUtils::sign(0.0), 0.0);
    EXPECT_EQ(MathUtils::sign(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_DOUBLE_EQ(MathUtils::degreesToRadians(180.0), PI);
    EXPECT_DOUBLE_EQ(MathUtils::radiansToDegrees(PI / 2), 90.0);
    EXPECT_DOUBLE_EQ(MathUtils::radiansPerSecondToRpm(PI), 30.0);
    EXPECT_DOUBLE_EQ(MathUtils::sigmoid(0.0), 0.5);
    EXPECT_DOUBLE_EQ(MathUtils::linearInterpol(1.0, 3.0, 1.5), 4.0); // t is not clamped
    EXPECT_DOUBLE_EQ(MathUtils::square(-3.0), 9.0);
}

TEST(MathUtilsTest, LerpInterpolatesEveryComponentAndIgnoresEmptyCounts) {
    const double a[] = {0.0, 10.0, -2.0};
    const double b[] = {1.0, 20.0, 2.0};
    double out[] = {7.0, 7.0, 7.0};
    MathUtils::lerp(a, b, 0.25, 3, out);
    EXPECT_DOUBLE_EQ(out[0], 0.25);
    EXPECT_DOUBLE_EQ(out[1], 12.5);
    EXPECT_DOUBLE_EQ(out[2], -1.0);
    MathUtils::lerp(a, b, 0.5, 0, out);
    EXPECT_DOUBLE_EQ(out[0], 0.25);
}

TEST(MathUtilsTest, MakeSequenceKeepsEndPointWithinSlack) {
    const std::vector<double> expected{0.0, 0.25, 0.5, 0.75, 1.0};
    EXPECT_EQ(MathUtils::makeSequence(0, 1, 0.25), expected);
    const auto nearlyOne = MathUtils::makeSequence(0, 0.999995, 0.25);
    ASSERT_EQ(nearlyOne.size(), 5u);
    EXPECT_DOUBLE_EQ(nearlyOne.back(), 1.0);
    EXPECT_EQ(MathUtils::makeSequence(2, 2, 0.5), std::vector<double>{2.0});
}

TEST(MathUtilsTest, MakeSequenceWithNegativeOrInvalidCountIsEmpty) {
    EXPECT_TRUE(MathUtils::makeSequence(0, -5, 1).empty());
    EXPECT_TRUE(MathUtils::makeSequence(0, 1, 0.0).empty());
    EXPECT_TRUE(MathUtils::makeSequence(0, 1, std::numeric_limits<double>::quiet_NaN()).empty());
}

TEST(MathUtilsTest, CircularMeanOfAngles) {
    EXPECT_NEAR(std::fabs(MathUtils::normalizeSumOfAngles({PI - 0.1, -PI + 0.1})), PI, 1e-12);
    EXPECT_EQ(MathUtils::normalizeSumOfAngles({}), 0.0);
    EXPECT_NEAR(MathUtils::normalizeSumOfAngles({0.1, 0.3}), 0.2, 1e-12);
}

TEST(MathUtilsTest, TridiagonalSolutionSolvesSystem) {
    EXPECT_EQ(MathUtils::tridiagonalSolution({0}, {4}, {0}, {8}), std::vector<double>{2.0});
    // [2 1 0; 1 2 1; 0 1 2] x = [4 8 8] has x = (1, 2, 3).
    const auto x = MathUtils::tridiagonalSolution({0, 1, 1}, {2, 2, 2}, {1, 1, 0}, {4, 8, 8});
    ASSERT_EQ(x.size(), 3u);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
}

TEST(MathUtilsTest, ProcessEngineStartsFromSeed5489) {
    MathUtils::generator.seed(5489u);
    EXPECT_EQ(MathUtils::generator(), 3499211612u);
}

TEST(MathUtilsTest, GeneratorCopiesShareTheEngine) {
    MathUtils::generator.seed(5489u);
    auto uniform = MathUtils::getUniformRandomGenerator(0.0, 1.0);
    const double first = uniform();
    auto copy = uniform;
    const double second = copy();
    MathUtils::generator.seed(5489u);
    auto fresh = MathUtils::getUniformRandomGenerator(0.0, 1.0);
    EXPECT_EQ(fresh(), first);
    EXPECT_EQ(fresh(), second);
    EXPECT_NE(first, second);
}

TEST(MathUtilsTest, RandomDrawsStayInRangeAndFollowTheirDistribution) {
    MathUtils::generator.seed(5489u);
    auto uniform = MathUtils::getUniformRandomGenerator(-2.0, 3.0);
    auto normal = MathUtils::getNormalRandomGenerator(1.0, 0.5);
    double sum = 0.0;
    double sumSquares = 0.0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        const double u = uniform();
        ASSERT_GE(u, -2.0);
        ASSERT_LT(u, 3.0);
        const double n = normal();
        sum += n;
        sumSquares += n * n;
    }
    const double mean = sum / draws;
    EXPECT_NEAR(mean, 1.0, 0.02);
    EXPECT_NEAR(std::sqrt(sumSquares / draws - mean * mean), 0.5, 0.02);
}

TEST(MathUtilsTest, ReseededEngineRepeatsItsSequence) {
    MathUtils::generator.seed(5489u);
    auto normal = MathUtils::getNormalRandomGenerator(0.0, 1.0);
    const double a = normal();
    const double b = normal();
    MathUtils::generator.seed(5489u);
    EXPECT_EQ(normal(), a);
    EXPECT_EQ(normal(), b);
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
