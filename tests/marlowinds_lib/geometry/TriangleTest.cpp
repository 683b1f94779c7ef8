#include "marlowinds_lib/geometry/Triangle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marlowinds_lib {
namespace geometry {
namespace {

struct Corners {
    Vertex a{0, {0, 0}};
    Vertex b{1, {4, 0}};
    Vertex c{2, {0, 3}};
    Edge ab{0, &a, &b};
    Edge bc{1, &b, &c};
    Edge ca{2, &c, &a};
};

TEST(TriangleTest, VerticesFollowTheEdgesAndTheCircumcircleIsComputed) {
    Corners corners;
    const Triangle t(7, &corners.ab, &corners.bc, &corners.ca);
    EXPECT_EQ(t.getVertex(0), &corners.a);
    EXPECT_EQ(t.getVertex(1), &corners.b);
    EXPECT_EQ(t.getVertex(2), &corners.c);
    EXPECT_EQ(t.getVertex(3), nullptr);
    EXPECT_EQ(t.getEdge(-1), nullptr);
    EXPECT_EQ(t.getCircumcenter(), Vector2D(2, 1.5));
    EXPECT_DOUBLE_EQ(t.getCircumradius(), 2.5);
}

TEST(TriangleTest, RegistersWithItsEdgesAndLeavesThemWhenDestroyed) {
    Corners corners;
    {
        const Triangle t(0, &corners.ab, &corners.bc, &corners.ca);
        EXPECT_EQ(corners.ab.getTriangle(0), &t);
        EXPECT_EQ(corners.ca.getTriangle(0), &t);
        EXPECT_EQ(corners.ab.getOtherTriangle(&t), nullptr);
    }
    EXPECT_EQ(corners.ab.getTriangle(0), nullptr);
    EXPECT_EQ(corners.bc.getTriangle(0), nullptr);
}

TEST(TriangleTest, ContainsIsAStrictCircumcircleTest) {
    Corners corners;
    const Triangle t(0, &corners.ab, &corners.bc, &corners.ca);
    EXPECT_TRUE(t.contains({3.5, 2.5})); // outside the triangle, inside the circle
    EXPECT_FALSE(t.contains({4, 0}));    // on the circle
    EXPECT_FALSE(t.contains({4, 3}));
    EXPECT_FALSE(t.contains({5, 5}));
}

TEST(TriangleTest, CollinearVerticesHaveNoCircumcentre) {
    Vertex a{0, {0, 0}}, b{1, {1, 1}}, c{2, {2, 2}};
    Edge ab{0, &a, &b}, bc{1, &b, &c}, ca{2, &c, &a};
    const Triangle t(0, &ab, &bc, &ca);
    EXPECT_TRUE(t.getCircumcenter().isError());
    EXPECT_EQ(t.getCircumcenter().x, Vector2D::ERROR_VALUE);
}

TEST(TriangleTest, NeighbourhoodQueries) {
    Corners corners;
    Vertex outsider{9, {5, 5}};
    const Triangle t(0, &corners.ab, &corners.bc, &corners.ca);
    EXPECT_EQ(t.getVertexExclude(&corners.a, &corners.b), &corners.c);
    EXPECT_EQ(t.getVertexExclude(&corners.bc), &corners.a);
    EXPECT_EQ(t.getEdgeInclude(&corners.c, &corners.a), &corners.ca);
    EXPECT_EQ(t.getEdgeInclude(&corners.c, &outsider), nullptr);
    EXPECT_EQ(t.getEdgeExclude(&corners.b), &corners.ca);
    EXPECT_TRUE(t.hasVertex(&corners.b));
    EXPECT_FALSE(t.hasVertex(&outsider));
    EXPECT_TRUE(t.hasEdge(&corners.bc));
}

} // namespace
} // namespace geometry
} // namespace marlowinds_lib
