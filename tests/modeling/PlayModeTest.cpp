#include "modeling/PlayMode.h"

#include <gtest/gtest.h>

namespace modeling {
namespace {

using representations::PlaySide;

struct TranslationCase {
    int raw;
    PlayMode::PLAY_MODE onLeft;
    PlayMode::PLAY_MODE onRight;
};

TEST(PlayModeTest, RawModesBecomeOwnOrTheirsBySide) {
    const TranslationCase cases[] = {
        {0, PlayMode::BEFORE_KICK_OFF, PlayMode::BEFORE_KICK_OFF},
        {1, PlayMode::OWN_KICK_OFF, PlayMode::THEIR_KICK_OFF},
        {2, PlayMode::THEIR_KICK_OFF, PlayMode::OWN_KICK_OFF},
        {3, PlayMode::PLAY_ON, PlayMode::PLAY_ON},
        {4, PlayMode::OWN_KICK_IN, PlayMode::THEIR_KICK_IN},
        {5, PlayMode::THEIR_KICK_IN, PlayMode::OWN_KICK_IN},
        {6, PlayMode::OWN_CORNER_KICK, PlayMode::THEIR_CORNER_KICK},
        {7, PlayMode::THEIR_CORNER_KICK, PlayMode::OWN_CORNER_KICK},
        {8, PlayMode::OWN_GOAL_KICK, PlayMode::THEIR_GOAL_KICK},
        {9, PlayMode::THEIR_GOAL_KICK, PlayMode::OWN_GOAL_KICK},
        {10, PlayMode::OWN_OFFSIDE, PlayMode::THEIR_OFFSIDE},
        {11, PlayMode::THEIR_OFFSIDE, PlayMode::OWN_OFFSIDE},
        {12, PlayMode::GAME_OVER, PlayMode::GAME_OVER},
        {13, PlayMode::OWN_GOAL, PlayMode::THEIR_GOAL},
        {14, PlayMode::THEIR_GOAL, PlayMode::OWN_GOAL},
        {15, PlayMode::OWN_FREE_KICK, PlayMode::THEIR_FREE_KICK},
        {16, PlayMode::THEIR_FREE_KICK, PlayMode::OWN_FREE_KICK},
        {17, PlayMode::OWN_DIRECT_FREE_KICK, PlayMode::THEIR_DIRECT_FREE_KICK},
        {18, PlayMode::THEIR_DIRECT_FREE_KICK, PlayMode::OWN_DIRECT_FREE_KICK},
        {19, PlayMode::OWN_PASS, PlayMode::THEIR_PASS},
        {20, PlayMode::THEIR_PASS, PlayMode::OWN_PASS},
        {21, PlayMode::NONE, PlayMode::NONE},
        {22, PlayMode::NONE, PlayMode::NONE},
        {-1, PlayMode::NONE, PlayMode::NONE},
        {1000, PlayMode::NONE, PlayMode::NONE},
    };
    for (const TranslationCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "raw mode " << c.raw);
        EXPECT_EQ(PlayMode::fromRawPlayMode(c.raw, PlaySide::LEFT), c.onLeft);
        EXPECT_EQ(PlayMode::fromRawPlayMode(c.raw, PlaySide::RIGHT), c.onRight);
        // An unknown side is read as the right one.
        EXPECT_EQ(PlayMode::fromRawPlayMode(c.raw, PlaySide::UNKNOWN), c.onRight);
    }
}

} // namespace
} // namespace modeling
