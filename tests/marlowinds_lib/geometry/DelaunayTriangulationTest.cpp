#include "marlowinds_lib/geometry/DelaunayTriangulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace marlowinds_lib {
namespace geometry {
namespace {

static_assert(!std::is_copy_constructible_v<DelaunayTriangulation>, "a copy would share edges and triangles");
static_assert(!std::is_copy_assignable_v<DelaunayTriangulation>, "a copy would share edges and triangles");
static_assert(!std::is_move_constructible_v<DelaunayTriangulation>, "edges point into the object itself");

using Points = std::vector<Vector2D>;

double cross(const Vector2D& o, const Vector2D& a, const Vector2D& b) { return (a - o).cross(b - o); }

double area(const Triangle& t) {
    return std::fabs(cross(t.getVertex(0)->position, t.getVertex(1)->position, t.getVertex(2)->position)) / 2.0;
}

// Monotone chain; collinear boundary points count as hull vertices (they are
// corners of the triangulation's outer face).
Points hull(Points points) {
    std::sort(points.begin(), points.end(),
              [](const Vector2D& a, const Vector2D& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    Points chain(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(chain[k - 2], chain[k - 1], points[i]) < 0) {
            --k;
        }
        chain[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(chain[k - 2], chain[k - 1], points[i]) < 0) {
            --k;
        }
        chain[k++] = points[i];
    }
    chain.resize(k - 1);
    return chain;
}

double polygonArea(const Points& polygon) {
    double twice = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        twice += polygon[i].cross(polygon[(i + 1) % polygon.size()]);
    }
    return std::fabs(twice) / 2.0;
}

bool inside(const Triangle& t, const Vector2D& p, double tolerance) {
    const double c1 = cross(t.getVertex(0)->position, t.getVertex(1)->position, p);
    const double c2 = cross(t.getVertex(1)->position, t.getVertex(2)->position, p);
    const double c3 = cross(t.getVertex(2)->position, t.getVertex(0)->position, p);
    return (c1 >= -tolerance && c2 >= -tolerance && c3 >= -tolerance) ||
           (c1 <= tolerance && c2 <= tolerance && c3 <= tolerance);
}

Points randomPoints(std::mt19937& engine, int count) {
    std::uniform_real_distribution<double> x(-15.0, 15.0);
    std::uniform_real_distribution<double> y(-10.0, 10.0);
    Points points;
    for (int i = 0; i < count; ++i) {
        points.push_back({x(engine), y(engine)});
    }
    return points;
}

std::string computeCapturingOutput(DelaunayTriangulation& triangulation) {
    testing::internal::CaptureStdout();
    triangulation.compute();
    return testing::internal::GetCapturedStdout();
}

// The super-triangle is finite, so a hull triangle so thin that its circumcircle
// reaches a super-triangle corner can be lost; uniform random sets of this size
// rarely hold one.
TEST(DelaunayTriangulationTest, RandomPointSetsGiveDelaunayTriangulationsOfTheirHull) {
    std::mt19937 engine(1234u);
    for (int round = 0; round < 60; ++round) {
        const Points points = randomPoints(engine, 3 + round);
        DelaunayTriangulation triangulation;
        triangulation.addVertices(points);
        EXPECT_EQ(computeCapturingOutput(triangulation), "") << "round " << round;

        const std::size_t n = points.size();
        const std::size_t h = hull(points).size();
        ASSERT_EQ(triangulation.getTriangles().size(), 2 * n - 2 - h) << "round " << round;
        EXPECT_EQ(triangulation.getEdges().size(), 3 * n - 3 - h) << "round " << round;

        double covered = 0.0;
        std::set<int> used;
        for (const auto& entry : triangulation.getTriangles()) {
            const Triangle& t = *entry.second;
            covered += area(t);
            for (int i = 0; i < 3; ++i) {
                ASSERT_GE(t.getVertex(i)->id, 0) << "a super-triangle corner is left";
                used.insert(t.getVertex(i)->id);
            }
            const double r2 = t.getCircumradius() * t.getCircumradius();
            for (const Vector2D& p : points) {
                const double d2 = (p - t.getCircumcenter()).squaredNorm();
                EXPECT_GE(d2, r2 * (1.0 - 1e-9)) << "round " << round << ": a point inside a circumcircle";
            }
        }
        EXPECT_NEAR(covered, polygonArea(hull(points)), 1e-6) << "round " << round;
        EXPECT_EQ(used.size(), n) << "round " << round;
    }
}

TEST(DelaunayTriangulationTest, PointLocationFindsTheContainingTriangle) {
    std::mt19937 engine(99u);
    std::uniform_real_distribution<double> x(-17.0, 17.0);
    std::uniform_real_distribution<double> y(-12.0, 12.0);
    for (int round = 0; round < 20; ++round) {
        Points points = randomPoints(engine, 4 + 2 * round);
        DelaunayTriangulation triangulation;
        triangulation.addVertices(points);
        triangulation.compute();
        for (int query = 0; query < 200; ++query) {
            const Vector2D p(x(engine), y(engine));
            const Triangle* found = triangulation.findTriangleContains(p);
            bool clearlyInAny = false;
            for (const auto& entry : triangulation.getTriangles()) {
                clearlyInAny = clearlyInAny || inside(*entry.second, p, -1e-9);
            }
            if (found != nullptr) {
                EXPECT_TRUE(inside(*found, p, 1e-9)) << "round " << round;
            } else {
                EXPECT_FALSE(clearlyInAny) << "round " << round << ": a point inside the hull is not found";
            }
        }
        // Every vertex is found, on the corner of a triangle.
        for (const Vector2D& p : points) {
            Triangle* found = nullptr;
            EXPECT_EQ(triangulation.findTriangleContains(p, &found), 2);
            ASSERT_NE(found, nullptr);
            EXPECT_TRUE(inside(*found, p, 1e-9));
        }
    }
}

TEST(DelaunayTriangulationTest, SmallConfigurations) {
    struct Case {
        const char* name;
        Points points;
        std::size_t triangles;
        std::size_t edges;
    };
    const Case cases[] = {
        {"three points", {{0, 0}, {4, 0}, {0, 3}}, 1, 3},
        {"square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 2, 5},
        {"three collinear", {{0, 0}, {1, 1}, {2, 2}}, 0, 2},
        {"five collinear", {{0, 0}, {2, 0}, {1, 0}, {4, 0}, {3, 0}}, 0, 4},
        {"collinear base and apex", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1.5, 1}}, 3, 7},
        {"two points", {{0, 0}, {1, 0}}, 0, 0},
        {"nothing", {}, 0, 0},
    };
    for (const auto& test : cases) {
        DelaunayTriangulation triangulation;
        triangulation.addVertices(test.points);
        // Computing again starts afresh and gives the same result.
        for (const char* pass : {"first", "second"}) {
            EXPECT_EQ(computeCapturingOutput(triangulation), "") << test.name << ", " << pass;
            EXPECT_EQ(triangulation.getTriangles().size(), test.triangles) << test.name << ", " << pass;
            EXPECT_EQ(triangulation.getEdges().size(), test.edges) << test.name << ", " << pass;
        }
    }
}

TEST(DelaunayTriangulationTest, RepeatedPointsAreLeftOutNotFatal) {
    DelaunayTriangulation triangulation;
    Points points{{0, 0}, {4, 0}, {0, 4}, {4, 4}, {2, 1}, {4, 0}, {2, 1}};
    triangulation.addVertices(points);
    const std::string printed = computeCapturingOutput(triangulation);
    EXPECT_EQ(printed, "(DelaunayTriangulation::compute) vertex 5 repeats an earlier one and is left out\n"
                       "(DelaunayTriangulation::compute) vertex 6 repeats an earlier one and is left out\n");
    // The same triangulation as without the repeats: 5 distinct points, 4 on the hull.
    EXPECT_EQ(triangulation.getTriangles().size(), 4u);
    EXPECT_EQ(triangulation.getVertexCount(), 7u);
    EXPECT_NE(triangulation.findTriangleContains(Vector2D(3, 3)), nullptr);
}

TEST(DelaunayTriangulationTest, AddVertexRejectsNearDuplicatesButAddVerticesDoesNot) {
    DelaunayTriangulation triangulation;
    EXPECT_EQ(triangulation.addVertex(1, 1), 0);
    EXPECT_EQ(triangulation.addVertex(2, 1), 1);
    EXPECT_EQ(triangulation.addVertex(1.0005, 1.0005), -1);
    EXPECT_EQ(triangulation.addVertex(1.002, 1), 2);
    Points points{{2, 1}};
    triangulation.addVertices(points);
    EXPECT_EQ(triangulation.getVertexCount(), 4u);
    EXPECT_EQ(triangulation.getVertex(3)->id, 3);
}

TEST(DelaunayTriangulationTest, VertexLookups) {
    DelaunayTriangulation triangulation;
    EXPECT_EQ(triangulation.getVertex(0), nullptr);
    EXPECT_EQ(triangulation.findNearestVertex({0, 0}), nullptr);
    triangulation.addVertex(0, 0);
    triangulation.addVertex(2, 0);
    triangulation.addVertex(4000, 0);
    EXPECT_EQ(triangulation.getVertex(3), nullptr);
    EXPECT_EQ(triangulation.getVertex(-1), nullptr);
    EXPECT_EQ(triangulation.getVertex(2)->position, Vector2D(4000, 0));

    struct Case {
        Vector2D query;
        int expected; // -1: none
    };
    const Case cases[] = {{{0.5, 3}, 0}, {{1, 0}, 0}, {{1.9, -1}, 1}, {{0, 5000}, -1}, {{3999, 0}, 2}};
    for (const auto& test : cases) {
        const Vertex* nearest = triangulation.findNearestVertex(test.query);
        EXPECT_EQ(nearest == nullptr ? -1 : nearest->id, test.expected) << test.query.x << ", " << test.query.y;
    }
}

TEST(DelaunayTriangulationTest, LocationOnEdgesCornersAndOutside) {
    DelaunayTriangulation triangulation;
    Points square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    triangulation.addVertices(square);
    triangulation.compute();
    ASSERT_EQ(triangulation.getTriangles().size(), 2u);
    const Triangle* first = triangulation.getTriangles().begin()->second.get();

    struct Case {
        Vector2D point;
        int code;
    };
    const Case cases[] = {
        {{1, 0}, 2},     {{0, 1}, 2},    {{2, 2}, 2}, {{0, 0}, 2},      {{0.3, 0.2}, 1},
        {{1.7, 1.9}, 1}, {{-0.1, 1}, 0}, {{3, 3}, 0}, {{1, 2.0001}, 0},
    };
    for (const auto& test : cases) {
        Triangle* found = nullptr;
        EXPECT_EQ(triangulation.findTriangleContains(test.point, &found), test.code)
            << test.point.x << ", " << test.point.y;
        EXPECT_EQ(found == nullptr, test.code == 0);
    }
    // The square's centre lies on the shared diagonal, whichever it is; the first triangle in id order reports it.
    Triangle* found = nullptr;
    EXPECT_EQ(triangulation.findTriangleContains(Vector2D(1, 1), &found), 2);
    EXPECT_EQ(found, first);
}

TEST(DelaunayTriangulationTest, RectangleConstructorPreparesTheSuperTriangle) {
    DelaunayTriangulation triangulation(Rect2D({-15, -10}, {15, 10}));
    EXPECT_EQ(triangulation.getTriangles().size(), 1u);
    EXPECT_EQ(triangulation.getEdges().size(), 3u);
    // Points on the rectangle's border are inside the super-triangle.
    Points border{{-15, -10}, {15, -10}, {15, 10}, {-15, 10}, {0, 10}, {0, 0}};
    triangulation.addVertices(border);
    EXPECT_EQ(computeCapturingOutput(triangulation), "");
    EXPECT_EQ(triangulation.getTriangles().size(), 2 * 6 - 2 - 5u);
}

TEST(DelaunayTriangulationTest, PointsOutsideTheSuperTriangleLeaveNoTriangles) {
    DelaunayTriangulation triangulation(Rect2D({0, 0}, {1, 1}));
    Points points{{0, 0}, {1, 0}, {0, 1}, {100000, 100000}};
    triangulation.addVertices(points);
    EXPECT_EQ(computeCapturingOutput(triangulation),
              "(DelaunayTriangulation::compute) cannot insert vertex 3: no triangulation\n");
    EXPECT_TRUE(triangulation.getTriangles().empty());
    EXPECT_TRUE(triangulation.getEdges().empty());
    EXPECT_EQ(triangulation.findTriangleContains(Vector2D(0.2, 0.2)), nullptr);
}

TEST(DelaunayTriangulationTest, AddingVerticesAfterComputingKeepsResultsValidAndRecomputes) {
    DelaunayTriangulation triangulation;
    Points triangle{{0, 0}, {4, 0}, {0, 4}};
    triangulation.addVertices(triangle);
    triangulation.compute();
    ASSERT_EQ(triangulation.getTriangles().size(), 1u);
    const Triangle* before = triangulation.getTriangles().begin()->second.get();

    // Enough vertices to make any contiguous storage move.
    std::mt19937 engine(5u);
    const Points more = randomPoints(engine, 500);
    for (const Vector2D& p : more) {
        triangulation.addVertex(p.x, p.y);
    }
    for (int i = 0; i < 3; ++i) {
        const Vertex* corner = before->getVertex(i);
        EXPECT_EQ(corner->position, triangle[corner->id]);
    }
    EXPECT_EQ(triangulation.findTriangleContains(Vector2D(1, 1)), before);

    // Recomputing starts from a fresh super-triangle, not from the old result.
    Points all = triangle;
    for (std::size_t id = 3; id < triangulation.getVertexCount(); ++id) {
        all.push_back(triangulation.getVertex(static_cast<int>(id))->position);
    }
    EXPECT_EQ(computeCapturingOutput(triangulation), "");
    EXPECT_EQ(triangulation.getTriangles().size(), 2 * all.size() - 2 - hull(all).size());
}

TEST(DelaunayTriangulationTest, ClearForgetsEverything) {
    DelaunayTriangulation triangulation;
    Points points{{0, 0}, {4, 0}, {0, 4}};
    triangulation.addVertices(points);
    triangulation.compute();
    triangulation.clear();
    EXPECT_EQ(triangulation.getVertexCount(), 0u);
    EXPECT_TRUE(triangulation.getTriangles().empty());
    EXPECT_TRUE(triangulation.getEdges().empty());
    triangulation.addVertices(points);
    triangulation.compute();
    EXPECT_EQ(triangulation.getTriangles().size(), 1u);
}

} // namespace
} // namespace geometry
} // namespace marlowinds_lib
