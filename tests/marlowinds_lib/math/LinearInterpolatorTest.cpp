#include "marlowinds_lib/math/LinearInterpolator.h"
#include "marlowinds_lib/math/Vector2.h"

#include <gtest/gtest.h>

namespace marlowinds_lib {
namespace math {
namespace {

TEST(LinearInterpolatorTest, ExactAtTheEndsBetweenAndBeyond) {
    const LinearInterpolator<double> interpolator(2.0, 6.0);
    struct Case {
        double t;
        double expected;
    };
    const Case cases[] = {{0.0, 2.0}, {1.0, 6.0}, {0.25, 3.0}, {0.5, 4.0}, {2.0, 10.0}, {-1.0, -2.0}};
    for (const auto& test : cases) {
        EXPECT_DOUBLE_EQ(interpolator.interpolate(test.t), test.expected) << "t " << test.t;
    }
}

TEST(LinearInterpolatorTest, InterpolatesEveryComponentOfAVector) {
    const Vector2<double> start(1.0, -1.0);
    const Vector2<double> end(3.0, 5.0);
    const LinearInterpolator<Vector2<double>> interpolator(start, end);
    EXPECT_EQ(interpolator.interpolate(0.0), start);
    EXPECT_EQ(interpolator.interpolate(1.0), end);
    EXPECT_EQ(interpolator.interpolate(0.5), Vector2<double>(2.0, 2.0));
    EXPECT_EQ(interpolator.interpolate(2.0), end * 2.0 - start);
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
