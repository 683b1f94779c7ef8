#include "marlowinds_lib/math/SplineInterpolator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

namespace marlowinds_lib {
namespace math {
namespace {

using Knots = std::vector<Vector2<double>>;

double secondDerivative(const SplineInterpolator& spline, double x) {
    const double e = 1e-3;
    return (spline.interpolate(x + e) - 2.0 * spline.interpolate(x) + spline.interpolate(x - e)) / (e * e);
}

// Second-order one-sided differences, so that a kink shows and a bend does not.
double slopeFromLeft(const SplineInterpolator& spline, double x) {
    const double e = 1e-5;
    return (3.0 * spline.interpolate(x) - 4.0 * spline.interpolate(x - e) + spline.interpolate(x - 2.0 * e)) /
           (2.0 * e);
}

double slopeFromRight(const SplineInterpolator& spline, double x) {
    const double e = 1e-5;
    return (-3.0 * spline.interpolate(x) + 4.0 * spline.interpolate(x + e) - spline.interpolate(x + 2.0 * e)) /
           (2.0 * e);
}

void expectSmoothAt(const SplineInterpolator& spline, double x) {
    const double left = slopeFromLeft(spline, x);
    EXPECT_NEAR(left, slopeFromRight(spline, x), 1e-5 * (1.0 + std::fabs(left))) << "x " << x;
}

Knots randomKnots(std::mt19937& engine, int count) {
    std::uniform_real_distribution<double> gap(0.05, 1.0);
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    Knots knots;
    double x = -1.0;
    for (int i = 0; i < count; ++i) {
        x += gap(engine);
        knots.push_back({x, value(engine)});
    }
    return knots;
}

TEST(SplineInterpolatorTest, HandComputedValues) {
    struct Case {
        Knots knots;
        double x;
        double expected;
    };
    const Case cases[] = {
        {{{0, 0}, {1, 2}}, 0.5, 1.0},
        {{{0, 0}, {1, 2}}, 2.0, 4.0}, // two knots: the straight line, extrapolated
        {{{0, 0}, {1, 2}}, -1.0, -2.0},
        // M1 = -3 for (0, 0), (1, 1), (2, 0): -3 * 0.125 / 6 + 1.5 * 0.5 = 0.6875
        {{{0, 0}, {1, 1}, {2, 0}}, 0.5, 0.6875},
        {{{0, 0}, {1, 1}, {2, 0}}, 1.5, 0.6875},
        {{{0, 1}, {2, 2}, {3, 3.5}}, 2.0, 2.0},
    };
    for (const auto& test : cases) {
        const SplineInterpolator spline(test.knots);
        EXPECT_NEAR(spline.interpolate(test.x), test.expected, 1e-12) << "x " << test.x;
    }
}

TEST(SplineInterpolatorTest, CollinearKnotsGiveTheirLineEverywhere) {
    const SplineInterpolator spline({{0, 1}, {0.5, 2}, {2, 5}, {3, 7}});
    for (double x = -2.0; x <= 5.0; x += 0.25) {
        EXPECT_NEAR(spline.interpolate(x), 1 + 2 * x, 1e-12) << "x " << x;
    }
}

TEST(SplineInterpolatorTest, RandomSplinesPassThroughTheirKnotsAndAreNatural) {
    std::mt19937 engine(11u);
    for (int round = 0; round < 50; ++round) {
        const Knots knots = randomKnots(engine, 3 + round % 8);
        const SplineInterpolator spline(knots);
        for (const auto& knot : knots) {
            EXPECT_NEAR(spline.interpolate(knot.x), knot.y, 1e-9);
        }
        EXPECT_NEAR(secondDerivative(spline, knots.front().x), 0.0, 1e-4);
        EXPECT_NEAR(secondDerivative(spline, knots.back().x), 0.0, 1e-4);
        // Smooth at the inner knots: the slopes on both sides agree.
        for (std::size_t i = 1; i + 1 < knots.size(); ++i) {
            expectSmoothAt(spline, knots[i].x);
        }
    }
}

TEST(SplineInterpolatorTest, ExtrapolatesWithTheEndCubics) {
    const Knots knots{{0, 0}, {1, 1}, {2, 0}, {3, 2}};
    const SplineInterpolator spline(knots);
    const SplineInterpolator firstSegment({knots[0], knots[1]});
    // Below the first knot the first cubic continues smoothly, it is not held constant.
    EXPECT_NE(spline.interpolate(-1.0), spline.interpolate(0.0));
    expectSmoothAt(spline, 0.0);
    EXPECT_NE(spline.interpolate(4.0), spline.interpolate(3.0));
    expectSmoothAt(spline, 3.0);
    EXPECT_TRUE(std::isfinite(firstSegment.interpolate(-100.0)));
}

TEST(SplineInterpolatorTest, FewerThanTwoKnotsGiveZero) {
    EXPECT_EQ(SplineInterpolator({}).interpolate(1.0), 0.0);
    EXPECT_EQ(SplineInterpolator({{1, 5}}).interpolate(1.0), 0.0);
}

TEST(SplineInterpolatorTest, KnotsThatAreNotStrictlyIncreasingOrNotFiniteAreRejected) {
    const Knots invalid[] = {
        {{0, 0}, {0, 1}},
        {{0, 0}, {2, 1}, {1, 3}},
        {{0, 0}, {1, std::nan("")}},
        {{-HUGE_VAL, 0}, {1, 1}},
    };
    for (const auto& knots : invalid) {
        EXPECT_THROW(SplineInterpolator{knots}, std::invalid_argument);
    }
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
