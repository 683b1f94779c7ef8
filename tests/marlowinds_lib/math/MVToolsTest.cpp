#include "marlowinds_lib/math/MVTools.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace marlowinds_lib {
namespace math {
namespace {

TEST(MVToolsTest, NearZeroThresholds) {
    EXPECT_TRUE(MVTools::isNearZero(1e-19));
    EXPECT_FALSE(MVTools::isNearZero(1e-18f));
    EXPECT_TRUE(MVTools::isNearZero(-1e-19f));
    EXPECT_TRUE(MVTools::isNearPosZero(0.0f));
    EXPECT_TRUE(MVTools::isNearNegZero(0.0f));
    EXPECT_FALSE(MVTools::isNearPosZero(-1e-20f));
    EXPECT_FALSE(MVTools::isNearNegZero(1e-20f));
    EXPECT_FALSE(MVTools::isNearZero(0));
    EXPECT_FALSE(MVTools::isNearPosZero(0));
}

TEST(MVToolsTest, NearInfinityThresholds) {
    EXPECT_TRUE(MVTools::isNearInf(2e18f));
    EXPECT_FALSE(MVTools::isNearInf(1e18f));
    EXPECT_TRUE(MVTools::isNearNegInf(-2e18f));
    EXPECT_FALSE(MVTools::isNearPosInf(-2e18f));
    EXPECT_TRUE(MVTools::isNearInf(std::numeric_limits<int>::min()));
    EXPECT_FALSE(MVTools::isNearInf(std::numeric_limits<int>::max()));
    EXPECT_FALSE(MVTools::isNearPosInf(std::numeric_limits<int>::max()));
}

TEST(MVToolsTest, IsNaNRecognisesEveryNaN) {
    const std::uint32_t otherPayload = 0x7FC00001u;
    float otherNaN;
    std::memcpy(&otherNaN, &otherPayload, sizeof otherNaN);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float x : {nan, -nan, otherNaN}) {
        EXPECT_TRUE(MVTools::isNaN(x));
    }
    EXPECT_FALSE(MVTools::isNaN(1.0f));
    EXPECT_FALSE(MVTools::isNaN(std::numeric_limits<float>::infinity()));
}

TEST(MVToolsTest, ExceptionDescriptions) {
    const std::pair<int, const char*> table[] = {
        {0, "Unknown"},
        {1, "Division by (positive) zero"},
        {2, "Division by (negative) zero"},
        {3, "Infinite (positive) value"},
        {4, "Infinite (negative) value"},
        {5, "Determinant negative"},
        {6, "Determinant close to zero"},
        {7, "Unknown"},
    };
    for (const auto& [code, text] : table) {
        EXPECT_EQ(MVException(code).getDescription(), text) << code;
    }
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
