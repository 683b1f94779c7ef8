#include "perception/HingeJointPerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;

TEST(HingeJointPerceptorTest, ReadsDegreesLenientlyIntoRadians) {
    struct Row {
        std::string group;
        std::string name;
        double angle;
    };
    const std::vector<Row> rows{
        {"(HJ (n hj1) (ax 90))", "hj1", MathUtils::PI / 2.0},
        {"(HJ (n raj1) (ax -0.00))", "raj1", 0.0},
        {"(HJ (n llj4) (ax -45.5))", "llj4", MathUtils::degreesToRadians(-45.5)},
        {"(HJ (n hj2) (ax 12.5junk))", "hj2", MathUtils::degreesToRadians(12.5)},
        {"(HJ (n  hj2) (ax  30))", " hj2", MathUtils::degreesToRadians(30.0)},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const HingeJointPerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), row.name) << row.group;
        EXPECT_NEAR(perceptor.getAngle(), row.angle, 1e-12) << row.group;
    }
}

} // namespace
} // namespace perception
