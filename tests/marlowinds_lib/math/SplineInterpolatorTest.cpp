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

// Second-order one-sided difference towards x + h, so that a kink shows and a bend does not.
double oneSidedSlope(const SplineInterpolator& spline, double x, double h) {
    return (-3.0 * spline.interpolate(x) + 4.0 * spline.interpolate(x + h) - spline.interpolate(x + 2.0 * h)) /
           (2.0 * h);
}

void expectSmoothAt(const SplineInterpolator& spline, double x) {
    const double left = oneSidedSlope(spline, x, -1e-5);
    EXPECT_NEAR(left, oneSidedSlope(spline, x, 1e-5), 1e-5 * (1.0 + std::fabs(left))) << "x " << x;
}

TEST(SplineInterpolatorTest, HandComputedValues) {
    struct Case {
        Knots knots;
        double x;
        double expected;
    };
    const Case cases[] = {
        {{}, 1.0, 0.0}, // fewer than two knots give 0
        {{{1, 5}}, 1.0, 0.0},
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
    std::uniform_real_distribution<double> gap(0.05, 1.0);
    std::uniform_real_distribution<double> value(-2.0, 2.0);
    for (int round = 0; round < 50; ++round) {
        Knots knots;
        double x = -1.0;
        for (int i = 0; i < 3 + round % 8; ++i) {
            x += gap(engine);
            knots.push_back({x, value(engine)});
        }
        const SplineInterpolator spline(knots);
        for (const auto& knot : knots) {
            EXPECT_NEAR(spline.interpolate(knot.x), knot.y, 1e-9);
        }
        EXPECT_NEAR(secondDerivative(spline, knots.front().x), 0.0, 1e-4);
        EXPECT_NEAR(secondDerivative(spline, knots.back().x), 0.0, 1e-4);
        for (std::size_t i = 1; i + 1 < knots.size(); ++i) {
            expectSmoothAt(spline, knots[i].x);
        }
    }
}

TEST(SplineInterpolatorTest, ExtrapolatesWithTheEndCubics) {
    const SplineInterpolator spline({{0, 0}, {1, 1}, {2, 0}, {3, 2}});
    // Beyond either end the end cubic continues smoothly; it is not held constant.
    EXPECT_NE(spline.interpolate(-1.0), spline.interpolate(0.0));
    expectSmoothAt(spline, 0.0);
    EXPECT_NE(spline.interpolate(4.0), spline.interpolate(3.0));
    expectSmoothAt(spline, 3.0);
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
