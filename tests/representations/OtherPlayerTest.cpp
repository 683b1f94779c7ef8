#include "representations/OtherPlayer.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

using marlowinds_lib::math::Pose2D;

TEST(OtherPlayerTest, NewPlayerBecomesRelevantOnlyByItsGlobalPosition) {
    OtherPlayer player;
    EXPECT_FALSE(player.isFallen());
    EXPECT_EQ(player.getId(), 0);
    player.setLocalPosition(Pose2D(0.0, 1.0, 1.0));
    player.setVelocity(Pose2D(0.0, 1.0, 1.0));
    player.setLocalVelocity(Pose2D(0.0, 1.0, 1.0));
    EXPECT_FALSE(player.isRelevant());
    player.setPosition(Pose2D(0.0, 3.0, -4.0));
    EXPECT_TRUE(player.isRelevant());
    EXPECT_EQ(player.getPosition(), Pose2D(0.0, 3.0, -4.0));
}

TEST(OtherPlayerTest, GoalieIsNumberOne) {
    const struct {
        int id;
        bool goalie;
    } cases[] = {{0, false}, {1, true}, {2, false}, {11, false}, {-1, false}};
    for (const auto& c : cases) {
        OtherPlayer player;
        player.setId(c.id);
        EXPECT_EQ(player.isGoalie(), c.goalie) << c.id;
    }
}

TEST(OtherPlayerTest, AgeIsTheTimeItself) {
    OtherPlayer player;
    player.setPosition(Pose2D(0.0, 1.0, 1.0));
    for (const double now : {0.0, 4.2, 300.0}) {
        EXPECT_DOUBLE_EQ(player.getAge(now), now);
    }
}

} // namespace
} // namespace representations
