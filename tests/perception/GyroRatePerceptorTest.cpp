#include "perception/GyroRatePerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;

TEST(GyroRatePerceptorTest, ConvertsDegreesPerSecondToRadiansPerSecond) {
    struct Row {
        std::string group;
        double x, y, z;
    };
    const std::vector<Row> rows{
        {"(GYR (n torso) (rt 180 0 -90))", MathUtils::PI, 0.0, -MathUtils::PI / 2.0},
        {"(GYR (n torso) (rt 0.00 -0.00 0.00))", 0.0, 0.0, 0.0},
        {"(GYR (n torso) (rt 1 2 3 4))", MathUtils::PI / 180.0, MathUtils::PI / 90.0, MathUtils::PI / 60.0},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const GyroRatePerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), "torso");
        EXPECT_EQ(static_cast<const Perceptor&>(perceptor).getName(), "GYR");
        EXPECT_NEAR(perceptor.getAngularVelocity().x, row.x, 1e-12) << row.group;
        EXPECT_NEAR(perceptor.getAngularVelocity().y, row.y, 1e-12) << row.group;
        EXPECT_NEAR(perceptor.getAngularVelocity().z, row.z, 1e-12) << row.group;
    }
}

} // namespace
} // namespace perception
