#include "marlowinds_lib/geometry/Line2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace marlowinds_lib {
namespace geometry {
namespace {

using Vector2 = math::Vector2<double>;
constexpr double TOLERANCE = 1e-9;
const double PI = std::acos(-1.0);

void expectNear(const Vector2& actual, const Vector2& expected, double tolerance = TOLERANCE) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(Line2DTest, TwoPointLinesAreNormalisedWithNonNegativeA) {
    struct Case {
        Vector2 start, end;
        double a, b, c;
    };
    const double h = 1.0 / std::sqrt(2.0);
    const Case cases[] = {
        {{0, 0}, {2, 2}, h, -h, 0.0},
        {{2, 2}, {0, 0}, h, -h, 0.0},
        {{0, 1}, {5, 1}, 1.0, 0.0, -1.0},
        {{1, 0}, {1, 5}, 0.0, 1.0, -1.0},
        {{1, 0}, {1.00005, 5}, 0.0, 1.0, -1.00005}, // |dx| < 1e-4 counts as vertical
        {{3, 3}, {3, 3}, 0.0, 1.0, -3.0},           // a single point gives a vertical line, not NaN
    };
    for (const auto& test : cases) {
        const Line2D line(test.start, test.end);
        EXPECT_NEAR(line.getACoefficient(), test.a, TOLERANCE);
        EXPECT_NEAR(line.getBCoefficient(), test.b, TOLERANCE);
        EXPECT_NEAR(line.getCCoefficient(), test.c, TOLERANCE);
        EXPECT_TRUE(line.isSegment());
        expectNear(line.getCenter(), (test.start + test.end) * 0.5);
    }
}

TEST(Line2DTest, RandomTwoPointLinesPassThroughBothPoints) {
    std::mt19937 engine(7u);
    std::uniform_real_distribution<double> coordinate(-20.0, 20.0);
    for (int i = 0; i < 200; ++i) {
        const Vector2 p(coordinate(engine), coordinate(engine));
        const Vector2 q(coordinate(engine), coordinate(engine));
        const Line2D line(p, q);
        const double a = line.getACoefficient();
        const double b = line.getBCoefficient();
        EXPECT_NEAR(a * a + b * b, 1.0, 1e-12);
        EXPECT_GE(a, 0.0);
        EXPECT_NEAR(line.getDistanceToPoint(p), 0.0, 1e-9);
        EXPECT_NEAR(line.getDistanceToPoint(q), 0.0, 1e-9);
    }
}

TEST(Line2DTest, LineFromPositionAndAngleIsNotASegment) {
    const Line2D line(Vector2(1, 1), PI / 4);
    EXPECT_FALSE(line.isSegment());
    expectNear(line.getStart(), {1, 1});
    expectNear(line.getEnd(), {1 + 100 / std::sqrt(2.0), 1 + 100 / std::sqrt(2.0)});
    EXPECT_NEAR(line.getYGivenX(3), 3, TOLERANCE);
    EXPECT_FALSE(Line2D::makeLineFromPositionAndAngle({0, 0}, 0.0).isSegment());
}

TEST(Line2DTest, CoordinateQueriesAndTheirFallbacksOnDegenerateLines) {
    struct Case {
        const char* name;
        double (*query)(const Line2D&);
        Line2D line;
        double expected;
        std::string message;
    };
    const Line2D diagonal(Vector2(0, 0), Vector2(2, 2));
    const Line2D shifted(Vector2(0, 1), Vector2(1, 3)); // y = 2x + 1
    const Line2D vertical(Vector2(1, 0), Vector2(1, 5));
    const Line2D xIsMinusTwo(0.0, 1.0, 2.0);
    const Line2D flat(1.0, 0.0, -2.0); // y = 2
    const Case cases[] = {
        {"y given x", [](const Line2D& l) { return l.getYGivenX(3.0); }, diagonal, 3.0, ""},
        {"x given y", [](const Line2D& l) { return l.getXGivenY(-1.0); }, diagonal, -1.0, ""},
        {"slope", [](const Line2D& l) { return l.getSlope(); }, diagonal, 1.0, ""},
        {"y intercept", [](const Line2D& l) { return l.getYIntercept(); }, shifted, 1.0, ""},
        {"x intercept", [](const Line2D& l) { return l.getXIntercept(); }, shifted, -0.5, ""},
        {"vertical slope", [](const Line2D& l) { return l.getSlope(); }, vertical, 1000.0,
         "(Line2D:getSlope): divide by zero\n"},
        {"vertical y given x", [](const Line2D& l) { return l.getYGivenX(4.0); }, vertical, 0.0,
         "(Line2D::getYGivenX) Cannot calculate Y coordinate: \n"},
        {"flat x given y", [](const Line2D& l) { return l.getXGivenY(4.0); }, flat, 0.0,
         "(Line2D::getXGivenY) Cannot calculate X coordinate\n"},
        {"vertical y intercept", [](const Line2D& l) { return l.getYIntercept(); }, xIsMinusTwo, -2.0, ""},
        {"flat x intercept", [](const Line2D& l) { return l.getXIntercept(); }, flat, 2.0, ""},
    };
    for (const auto& test : cases) {
        testing::internal::CaptureStdout();
        const double value = test.query(test.line);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_NEAR(value, test.expected, TOLERANCE) << test.name;
        EXPECT_EQ(printed, test.message) << test.name;
    }
}

TEST(Line2DTest, ClosestPointsOnLineAndSegment) {
    const Line2D line(Vector2(0, 0), Vector2(2, 0));
    expectNear(line.getPointOnLineClosestTo({5, 3}), {5, 0});
    EXPECT_NEAR(line.getDistanceToPoint({5, 3}), 3, TOLERANCE);
    expectNear(line.getPointOnLineSegClosestTo({5, 3}), {2, 0}); // beyond the end
    expectNear(line.getPointOnLineSegClosestTo({-5, 3}), {0, 0});
    expectNear(line.getPointOnLineSegClosestTo({1, 3}), {1, 0});

    const Line2D point(Vector2(1, 1), Vector2(1, 1));
    expectNear(point.getPointOnLineSegClosestTo({4, 4}), {1, 1});

    const Line2D noLine;
    expectNear(noLine.getPointOnLineClosestTo({4, 4}), {0, 0});
}

TEST(Line2DTest, IsInBetweenComparesTheProjection) {
    const Line2D line(Vector2(0, 0), Vector2(10, 0));
    EXPECT_TRUE(line.isInBetween({5, 7}, {0, 0}, {10, 0}));
    EXPECT_TRUE(line.isInBetween({10, -2}, {0, 0}, {10, 0}));
    EXPECT_FALSE(line.isInBetween({11, 1}, {0, 0}, {10, 0}));
}

TEST(Line2DTest, OrthogonalAndMirroredLinesAreLinesThroughTheirPoints) {
    const Line2D line(Vector2(0, 0), Vector2(3, 1));
    const Line2D orthogonal = line.getOrthogonalLine({2, 5});
    const Line2D mirrored = -Line2D(Vector2(0, 1), Vector2(1, 2)); // y = x + 1 mirrored through the origin
    EXPECT_NEAR(orthogonal.getDistanceToPoint({2, 5}), 0, TOLERANCE);
    EXPECT_NEAR(line.getMyAngleWith(orthogonal), PI / 2, 1e-9);
    EXPECT_NEAR(mirrored.getDistanceToPoint({0, -1}), 0, TOLERANCE);
    EXPECT_NEAR(mirrored.getDistanceToPoint({-1, -2}), 0, TOLERANCE);
    EXPECT_FALSE(orthogonal.isSegment());
    EXPECT_FALSE(mirrored.isSegment());
}

TEST(Line2DTest, IntersectionsOfLinesAndTheOriginForParallelOrDegenerateOnes) {
    struct Case {
        Line2D first, second;
        Vector2 expected;
    };
    const Case cases[] = {
        {Line2D({0, 0}, {2, 2}), Line2D({0, 2}, {2, 0}), {1, 1}},
        {Line2D({0, 1}, {4, 1}), Line2D({3, -5}, {3, 5}), {3, 1}}, // second vertical
        {Line2D({3, -5}, {3, 5}), Line2D({0, 1}, {4, 1}), {3, 1}}, // first vertical
        {Line2D({0, 0}, {1, 3}), Line2D({0, 4}, {1, 2}), {0.8, 2.4}},
        {Line2D({0, 0}, {1, 1}), Line2D({0, 1}, {1, 2}), {0, 0}}, // parallel
        {Line2D({1, 0}, {1, 1}), Line2D({2, 0}, {2, 1}), {0, 0}}, // both vertical
        {Line2D(), Line2D({0, 0}, {1, 1}), {0, 0}},               // no line at all
        {Line2D({0, 0}, {1, 1}), Line2D(), {0, 0}},
    };
    for (const auto& test : cases) {
        testing::internal::CaptureStdout();
        const Vector2 slopeBased = test.first.getIntersection(test.second);
        const Vector2 determinantBased = test.first.getMyIntersection(test.second);
        testing::internal::GetCapturedStdout();
        expectNear(slopeBased, test.expected);
        expectNear(determinantBased, test.expected);
    }
}

TEST(Line2DTest, SegmentIntersectionNeedsAProperCrossing) {
    struct Case {
        Line2D first, second;
        bool crosses;
        Vector2 expected;
    };
    const Case cases[] = {
        {Line2D({0, 0}, {2, 2}), Line2D({0, 2}, {2, 0}), true, {1, 1}},
        {Line2D({0, 0}, {1, 0}), Line2D({1, 0}, {1, 1}), false, {}},  // touching end point
        {Line2D({0, 0}, {1, 0}), Line2D({2, -1}, {2, 1}), false, {}}, // lines cross beyond the end
        {Line2D({0, 0}, {1, 1}), Line2D({0, 1}, {1, 2}), false, {}},  // parallel
        {Line2D({0, 0}, {2, 0}), Line2D({1, 0}, {3, 0}), false, {}},  // overlapping
        {Line2D({1, 1}, {1, 1}), Line2D({0, 0}, {2, 2}), false, {}},  // zero length
    };
    for (const auto& test : cases) {
        Vector2 out(-7, -7);
        EXPECT_EQ(test.first.intersectWithLineSeg(test.second, out), test.crosses);
        expectNear(out, test.crosses ? test.expected : Vector2(-7, -7));
    }
}

TEST(Line2DTest, AnglesBetweenLines) {
    struct Case {
        Line2D first, second;
        double unsignedAngle, angleTo;
    };
    const Case cases[] = {
        {Line2D({0, 0}, {1, 0}), Line2D({0, 0}, {1, 1}), PI / 4, PI / 4},
        {Line2D({0, 0}, {1, 1}), Line2D({0, 0}, {1, 0}), PI / 4, PI / 4},
        {Line2D({0, 0}, {0, 1}), Line2D({5, 0}, {5, 1}), 0.0, 0.0},       // both vertical
        {Line2D({0, 0}, {0, 1}), Line2D({0, 0}, {1, 1}), PI / 4, PI / 4}, // first vertical
        {Line2D({0, 0}, {1, 1}), Line2D({0, 0}, {0, 1}), PI / 4, PI / 4}, // second vertical
        {Line2D({0, 0}, {1, 2}), Line2D({0, 0}, {1, -2}), std::atan(4.0 / 3.0), -std::atan(4.0 / 3.0)},
    };
    for (const auto& test : cases) {
        EXPECT_NEAR(test.first.getMyAngleWith(test.second), test.unsignedAngle, 1e-9);
        EXPECT_NEAR(test.first.getAngleToLine(test.second), test.angleTo, 1e-9);
    }
}

} // namespace
} // namespace geometry
} // namespace marlowinds_lib
