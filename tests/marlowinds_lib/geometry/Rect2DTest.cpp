#include "marlowinds_lib/geometry/Rect2D.h"

#include <gtest/gtest.h>

namespace marlowinds_lib {
namespace geometry {
namespace {

TEST(Rect2DTest, AnyTwoOppositeCornersGiveTheSameRectangle) {
    const Vector2D corners[][2] = {
        {{3, 1}, {1, 4}},
        {{1, 4}, {3, 1}},
        {{1, 1}, {3, 4}},
        {{3, 4}, {1, 1}},
    };
    for (const auto& pair : corners) {
        const Rect2D rect(pair[0], pair[1]);
        EXPECT_DOUBLE_EQ(rect.left(), 1);
        EXPECT_DOUBLE_EQ(rect.top(), 1);
        EXPECT_DOUBLE_EQ(rect.right(), 3);
        EXPECT_DOUBLE_EQ(rect.bottom(), 4);
        EXPECT_DOUBLE_EQ(rect.size().length(), 2);
        EXPECT_DOUBLE_EQ(rect.size().width(), 3);
        EXPECT_EQ(rect.center(), Vector2D(2, 2.5));
    }
}

} // namespace
} // namespace geometry
} // namespace marlowinds_lib
