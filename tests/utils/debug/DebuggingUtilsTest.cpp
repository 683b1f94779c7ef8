#include "utils/debug/DebuggingUtils.h"

#include <gtest/gtest.h>

#include <limits>

namespace utils {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(DebuggingUtilsTest, NamesEveryNaNPartInOrder) {
    testing::internal::CaptureStdout();
    EXPECT_TRUE(isPose2DNotANumber(marlowinds_lib::math::Pose2D(NaN, NaN, 0.0)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "(DebbugingUtils) translation.x is nan\n(DebbugingUtils) Rotation is nan\n");

    testing::internal::CaptureStdout();
    EXPECT_TRUE(isPose2DNotANumber(marlowinds_lib::math::Pose2D(0.0, 1.0, NaN)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(DebbugingUtils) translation.y is nan\n");
}

TEST(DebuggingUtilsTest, FinitePoseIsSilent) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(isPose2DNotANumber(marlowinds_lib::math::Pose2D(0.0, 0.0, 0.0)));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

} // namespace
} // namespace utils
