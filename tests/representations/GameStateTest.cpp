#include "representations/GameState.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

TEST(GameStateTest, PlayModeTextsAreTrimmedButOtherwiseExact) {
    const struct {
        const char* text;
        int mode;
    } cases[] = {
        {"BeforeKickOff", 0},
        {"KickOff_Left", 1},
        {"KickOff_Right", 2},
        {"PlayOn", 3},
        {"KickIn_Left", 4},
        {"KickIn_Right", 5},
        {"corner_kick_left", 6},
        {"corner_kick_right", 7},
        {"goal_kick_left", 8},
        {"goal_kick_right", 9},
        {"offside_left", 10},
        {"offside_right", 11},
        {"GameOver", 12},
        {"Goal_Left", 13},
        {"Goal_Right", 14},
        {"free_kick_left", 15},
        {"free_kick_right", 16},
        {"direct_free_kick_left", 17},
        {"direct_free_kick_right", 18},
        {"pass_left", 19},
        {"pass_right", 20},
        {" PlayOn\n", RawPlayMode::PLAY_ON},
        {"\tGameOver  ", RawPlayMode::GAME_OVER},
        {"playon", RawPlayMode::NONE},
        {"Play On", RawPlayMode::NONE},
        {"PlayOn_", RawPlayMode::NONE},
        {"", RawPlayMode::NONE},
        {"   ", RawPlayMode::NONE},
        {"NONE", RawPlayMode::NONE},
        {"kick_off_left", RawPlayMode::NONE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GameState(0.0, 0, 0, c.text).getPlayMode(), c.mode) << '"' << c.text << '"';
    }
}

TEST(GameStateTest, DefaultIsBeforeKickOffAtTimeZero) {
    const GameState state;
    EXPECT_EQ(state.getPlayMode(), RawPlayMode::BEFORE_KICK_OFF);
    EXPECT_EQ(state.getGameTime(), 0.0);
    EXPECT_EQ(state.getScoreLeft(), 0);
    EXPECT_EQ(state.getScoreRight(), 0);
}

} // namespace
} // namespace representations
