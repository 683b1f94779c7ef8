#include "utils/debug/DebuggingUtils.h"

#include <gtest/gtest.h>

#include <limits>

namespace utils {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(DebuggingUtilsTest, NamesEveryNaNPartInOrder) {
    const struct {
        marlowinds_lib::math::Pose2D pose;
        bool notANumber;
        const char* printed;
    } cases[] = {
        {{NaN, NaN, 0.0}, true, "(DebbugingUtils) translation.x is nan\n(DebbugingUtils) Rotation is nan\n"},
        {{0.0, 1.0, NaN}, true, "(DebbugingUtils) translation.y is nan\n"},
        {{0.0, 0.0, 0.0}, false, ""},
    };
    for (const auto& testCase : cases) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(isPose2DNotANumber(testCase.pose), testCase.notANumber);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), testCase.printed);
    }
}

} // namespace
} // namespace utils
