#include "perception/TouchPerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(TouchPerceptorTest, ReadsNameAndStateByPosition) {
    struct Row {
        std::string group;
        std::string name;
        bool touching;
    };
    const std::vector<Row> rows{
        {"(TCH n bumper val 1)", "bumper", true},
        {"(TCH n bumper val 0)", "bumper", false},
        {"(TCH x lfoot y +1)", "lfoot", true},
        {"(TCH n bumper val 00)", "bumper", false},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const TouchPerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getName(), row.name) << row.group;
        EXPECT_EQ(perceptor.isTouching(), row.touching) << row.group;
        EXPECT_EQ(static_cast<const Perceptor&>(perceptor).getName(), "TCH");
    }
}

} // namespace
} // namespace perception
