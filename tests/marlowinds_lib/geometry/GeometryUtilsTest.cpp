#include "marlowinds_lib/geometry/GeometryUtils.h"

#include <gtest/gtest.h>

namespace marlowinds_lib {
namespace geometry {
namespace {

using Vector2 = math::Vector2<double>;

TEST(GeometryUtilsTest, PointIsBetweenLinesIsStrict) {
    // Two upward lines: the point must be right of x = 0 and left of x = 2.
    const Line2D left(Vector2(0, 0), Vector2(0, 1));
    const Line2D right(Vector2(2, 0), Vector2(2, 1));
    struct Case {
        Vector2 point;
        bool between;
    };
    const Case cases[] = {
        {{1, 5}, true}, {{0, 5}, false}, {{2, 5}, false}, {{-1, 0}, false}, {{3, 0}, false},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(GeometryUtils::pointIsBetweenLines(test.point, left, right), test.between)
            << test.point.x << ", " << test.point.y;
    }
}

} // namespace
} // namespace geometry
} // namespace marlowinds_lib
