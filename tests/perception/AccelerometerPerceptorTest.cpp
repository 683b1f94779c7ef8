#include "perception/AccelerometerPerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::Vector3;

TEST(AccelerometerPerceptorTest, KeepsTheAccelerationUnconvertedUnderTheSensorName) {
    struct Row {
        std::string group;
        Vector3<double> acceleration;
    };
    // The second row holds number forms only the lexical fallback reads.
    const std::vector<Row> rows{
        {"(ACC (n torso) (a 0.12 -0.33 9.8))", {0.12, -0.33, 9.8}},
        {"(ACC (n torso) (a +1.5 -2e1 .5))", {1.5, -20.0, 0.5}},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const AccelerometerPerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), "torso");
        EXPECT_DOUBLE_EQ(perceptor.getAcceleration().x, row.acceleration.x) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getAcceleration().y, row.acceleration.y) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getAcceleration().z, row.acceleration.z) << row.group;
    }
}

} // namespace
} // namespace perception
