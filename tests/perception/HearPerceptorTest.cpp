#include "perception/HearPerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;

TEST(HearPerceptorTest, ReadsTeamTimeDirectionAndMessage) {
    struct Row {
        std::string group;
        std::string team;
        double time;
        bool fromSelf;
        double direction;
        std::string message;
    };
    const std::vector<Row> rows{
        {"(hear Marlowinds 12.5 self AbCd)", "Marlowinds", 12.5, true, 0.0, "AbCd"},
        {"(hear Marlowinds 12.5 SELF abc)", "Marlowinds", 12.5, true, 0.0, "abc"},
        {"(hear Marlowinds 12.5 90 abc)", "Marlowinds", 12.5, false, MathUtils::PI / 2.0, "abc"},
        {"(hear Other 0.02 -45.5 AbCd)", "Other", 0.02, false, MathUtils::degreesToRadians(-45.5), "AbCd"},
        {"(hear Marlowinds 12.5 90 abc def)", "Marlowinds", 12.5, false, MathUtils::PI / 2.0, "abc"},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const HearPerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getTeam(), row.team) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getTime(), row.time) << row.group;
        EXPECT_EQ(perceptor.isFromSelf(), row.fromSelf) << row.group;
        EXPECT_NEAR(perceptor.getDirection(), row.direction, 1e-12) << row.group;
        EXPECT_EQ(perceptor.getMessage(), row.message) << row.group;
    }
}

} // namespace
} // namespace perception
