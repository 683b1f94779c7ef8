#include "perception/GameStatePerceptor.h"

#include "representations/PlaySide.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using representations::PlaySide;

TEST(GameStatePerceptorTest, ReadsTheKeysInAnyOrder) {
    struct Row {
        std::string group;
        int uniformNumber;
        int side;
        int scoreLeft;
        int scoreRight;
        bool firstTime;
        double time;
        std::string playMode;
    };
    const std::vector<Row> rows{
        {"(GS (unum 3) (team left) (t 0.00) (pm BeforeKickOff))", 3, PlaySide::LEFT, 0, 0, true, 0.0, "BeforeKickOff"},
        {"(GS (sl 2) (sr 1) (t 83.2) (pm PlayOn))", 0, PlaySide::UNKNOWN, 2, 1, false, 83.2, "PlayOn"},
        {"(GS (pm PlayOn) (t 5.5))", 0, PlaySide::UNKNOWN, 0, 0, false, 5.5, "PlayOn"},
        {"(GS (team right))", 0, PlaySide::RIGHT, 0, 0, false, 0.0, ""},
        {"(GS (team middle) (unum 4))", 4, PlaySide::UNKNOWN, 0, 0, true, 0.0, ""},
        {"(GS (pm  PlayOn))", 0, PlaySide::UNKNOWN, 0, 0, false, 0.0, "PlayOn"},
        {"(GS (sl 1) (sl 3))", 0, PlaySide::UNKNOWN, 3, 0, false, 0.0, ""},
        {"(GS (foo bar) (frobnicate) (sr 2))", 0, PlaySide::UNKNOWN, 0, 2, false, 0.0, ""},
        {"(GS)", 0, PlaySide::UNKNOWN, 0, 0, false, 0.0, ""},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const GameStatePerceptor perceptor(group.node());

        EXPECT_EQ(perceptor.getUniformNumber(), row.uniformNumber) << row.group;
        EXPECT_EQ(perceptor.getPlaySide(), row.side) << row.group;
        EXPECT_EQ(perceptor.getScoreLeft(), row.scoreLeft) << row.group;
        EXPECT_EQ(perceptor.getScoreRight(), row.scoreRight) << row.group;
        EXPECT_EQ(perceptor.isFirstTime(), row.firstTime) << row.group;
        EXPECT_DOUBLE_EQ(perceptor.getGameTime(), row.time) << row.group;
        EXPECT_EQ(perceptor.getPlayMode(), row.playMode) << row.group;
    }
}

} // namespace
} // namespace perception
