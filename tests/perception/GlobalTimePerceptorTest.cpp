#include "perception/GlobalTimePerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

TEST(GlobalTimePerceptorTest, ReadsTheTimeInSeconds) {
    struct Row {
        std::string group;
        double time;
    };
    const std::vector<Row> rows{{"(time (now 12.5))", 12.5}, {"(time (now 0.38))", 0.38}, {"(time (now 0))", 0.0}};
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const GlobalTimePerceptor perceptor(group.node());

        EXPECT_DOUBLE_EQ(perceptor.getGlobalTime(), row.time) << row.group;
        EXPECT_EQ(perceptor.getName(), "time");
        EXPECT_EQ(perceptor.getPerceptorType(), PerceptorType::TIME);
    }
}

TEST(GlobalTimePerceptorTest, TextThatIsNotExactlyANumberThrows) {
    // The value is not trimmed: a second blank leaves text before the number.
    for (const std::string text : {"(time (now 12.5s))", "(time (now  12.5))", "(time (now ))"}) {
        const testing::ParsedGroup group(text);

        EXPECT_THROW(GlobalTimePerceptor{group.node()}, boost::bad_lexical_cast) << text;
    }
}

} // namespace
} // namespace perception
