#include "perception/VisiblePlayer.h"

#include "marlowinds_lib/math/Pose3D.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::Vector3;

std::vector<std::string> partNames(const VisiblePlayer& player) {
    std::vector<std::string> names;
    for (const auto& part : player.getAllBodyParts()) {
        names.push_back(part.first);
    }
    return names;
}

TEST(VisiblePlayerTest, ReadsTeamNumberAndBodyParts) {
    struct Row {
        std::string group;
        int id;
        std::string team;
        std::vector<std::string> parts;
        double x;
    };
    const std::vector<Row> rows{
        {"(P (team Other) (id 7) (lfoot (pol 3 0 0)) (head (pol 1 0 0)))", 7, "Other", {"head", "lfoot"}, 2.0},
        {"(P (team Other) (id 7))", 7, "Other", {}, 0.0},
        {"(P (id 7) (head (pol 1 0 0)) (head (pol 5 0 0)))", 7, "", {"head"}, 1.0},
        {"(P (head (pol 1 0 0)) (team  Rivals ) (id 11))", 11, "Rivals", {"head"}, 1.0},
        {"(P (rlowerarm (pol 2 0 0)) (llowerarm (pol 4 0 0)) (rfoot (pol 6 0 0)))",
         0,
         "",
         {"llowerarm", "rfoot", "rlowerarm"},
         4.0},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const VisiblePlayer player(group.node());

        EXPECT_EQ(player.getVisibleObjectType(), VisibleObjectType::PLAYER) << row.group;
        EXPECT_EQ(player.getId(), row.id) << row.group;
        EXPECT_EQ(player.getTeamName(), row.team) << row.group;
        EXPECT_EQ(partNames(player), row.parts) << row.group;
        EXPECT_NEAR(player.getPosition().x, row.x, 1e-12) << row.group;
        EXPECT_NEAR(player.getPosition().y, 0.0, 1e-12) << row.group;
    }
}

TEST(VisiblePlayerTest, AskingForAnUnseenPartNeitherAddsItNorMovesThePlayer) {
    const VisiblePlayer player(testing::ParsedGroup("(P (id 7) (head (pol 2 0 0)))").node());

    EXPECT_EQ(player.getBodyPartPosition("lfoot"), Vector3<double>());

    EXPECT_EQ(player.getAllBodyParts().size(), 1u);
    EXPECT_NEAR(player.getPosition().x, 2.0, 1e-12);
}

TEST(VisiblePlayerTest, SettingAPartDoesNotOverwriteAnExistingOne) {
    VisiblePlayer player;

    player.setBodyPartPosition("head", {1.0, 0.0, 0.0});
    player.setBodyPartPosition("head", {9.0, 0.0, 0.0});

    EXPECT_EQ(player.getBodyPartPosition("head"), Vector3<double>(1.0, 0.0, 0.0));
}

TEST(VisiblePlayerTest, TransformMovesThePositionAndEveryPart) {
    VisiblePlayer player(testing::ParsedGroup("(P (team Other) (id 7) (head (pol 1 0 0)) (lfoot (pol 3 0 0)))").node());
    const marlowinds_lib::math::Pose3D pose({0.0, 1.0, 0.0});

    player.transformPosition(pose);

    EXPECT_EQ(player.getPosition(), Vector3<double>(2.0, 1.0, 0.0));
    EXPECT_EQ(player.getBodyPartPosition("head"), Vector3<double>(1.0, 1.0, 0.0));
    EXPECT_EQ(player.getBodyPartPosition("lfoot"), Vector3<double>(3.0, 1.0, 0.0));
}

} // namespace
} // namespace perception
