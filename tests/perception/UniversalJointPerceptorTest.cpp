#include "perception/UniversalJointPerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(UniversalJointPerceptorTest, KeepsBothAnglesInDegrees) {
    struct Row {
        std::string group;
        double axis1;
        double axis2;
    };
    const std::vector<Row> rows{
        {"(UJ (n laj1_2) (ax1 45) (ax2 -30))", 45.0, -30.0},
        {"(UJ (n laj1_2) (ax1 left) (ax2 7up))", 0.0, 7.0},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const UniversalJointPerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), "laj1_2") << row.group;
        EXPECT_EQ(static_cast<const Perceptor&>(perceptor).getName(), "UJ");
        EXPECT_DOUBLE_EQ(perceptor.getAngleAxis1(), row.axis1) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getAngleAxis2(), row.axis2) << row.group;
    }
}

} // namespace
} // namespace perception
