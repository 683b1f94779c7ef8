#include "marlowinds_lib/math/Vector2.h"
#include "marlowinds_lib/math/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marlowinds_lib {
namespace math {
namespace {

TEST(VectorTest, Vector2Arithmetic) {
    const Vector2<double> a(1.0, 2.0);
    const Vector2<double> b(3.0, -4.0);
    EXPECT_EQ(a + b, Vector2<double>(4.0, -2.0));
    EXPECT_EQ(a - b, Vector2<double>(-2.0, 6.0));
    EXPECT_EQ(2.0 * a, Vector2<double>(2.0, 4.0));
    EXPECT_EQ(b / 2.0, Vector2<double>(1.5, -2.0));
    Vector2<double> c = a;
    c += b;
    EXPECT_EQ(c, a + b);
    EXPECT_DOUBLE_EQ(b.norm(), 5.0);
    EXPECT_DOUBLE_EQ(a.dot(b), -5.0);
    EXPECT_DOUBLE_EQ(a.distance(b), std::sqrt(40.0));
    const auto turned = Vector2<double>(1.0, 0.0).rotate(M_PI / 2); // counter-clockwise
    EXPECT_NEAR(turned.x, 0.0, 1e-12);
    EXPECT_NEAR(turned.y, 1.0, 1e-12);
}

TEST(VectorTest, Vector3Arithmetic) {
    const Vector3<double> a(1.0, 2.0, 3.0);
    const Vector3<double> b(-1.0, 0.5, 2.0);
    EXPECT_EQ(a + b, Vector3<double>(0.0, 2.5, 5.0));
    EXPECT_EQ(a - b, Vector3<double>(2.0, 1.5, 1.0));
    EXPECT_EQ(a * 2.0, Vector3<double>(2.0, 4.0, 6.0));
    EXPECT_DOUBLE_EQ(a.dot(b), 6.0);
    EXPECT_EQ(Vector3<double>(1, 0, 0).cross(Vector3<double>(0, 1, 0)), Vector3<double>(0, 0, 1));
    EXPECT_DOUBLE_EQ(Vector3<double>(2.0, 3.0, 6.0).norm(), 7.0);
}

TEST(VectorTest, NormalizeGivesUnitVectorAndKeepsZero) {
    EXPECT_EQ(Vector2<double>(3.0, 4.0).normalize(), Vector2<double>(0.6, 0.8));
    EXPECT_EQ(Vector2<double>().normalize(), Vector2<double>());
    EXPECT_EQ(Vector3<double>(0.0, 0.0, -2.0).normalize(), Vector3<double>(0.0, 0.0, -1.0));
    EXPECT_EQ(Vector3<double>().normalize(), Vector3<double>());
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
