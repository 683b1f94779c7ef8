#include "decision_making/behavior/PotentialFieldNavigation.h"

#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"

#include <gtest/gtest.h>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using Vector2 = PotentialFieldNavigation::Vector2;

class PotentialFieldNavigationTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    }

    /// The field at the agent's place with one opponent and one teammate at those places.
    Vector2 fieldWith(const Vector2& self, const Vector2& opponent, const Vector2& teammate,
                      bool teammateKnown = true) {
        Access::setSelfPose(models.world(), Pose2D(0.0, self));
        Access::setBall(models.world(), Pose2D(0.0, self + Vector2(0.2, 0.0)));
        Access::setOpponent(models.world(), 2, Pose2D(0.0, opponent));
        Access::setTeammate(models.world(), 11, Pose2D(0.0, teammate));
        if (!teammateKnown) {
            Access::forgetTeammate(models.world(), 11);
        }
        Access::refreshPlayerLists(models.world());
        navigation.setTarget(self + Vector2(5.0, 0.0));
        return navigation.calculateFieldDirection(self, models.modeling);
    }

    HandBuiltModeling models{7};
    PotentialFieldNavigation navigation{nullptr};
};

TEST_F(PotentialFieldNavigationTest, OnlyPlayersWithinTheirInfluenceRadiusPush) {
    const Vector2 targetOnly(10.0 + 10.0 / 5.0, 0.0);
    const Vector2 far(-10.0, 9.0);
    const struct {
        const char* players;
        Vector2 opponent;
        Vector2 teammate;
        bool pushed;
    } table[] = {
        {"opponent 1.0 m left", {0.0, 1.0}, far, true},
        {"opponent 1.01 m left", {0.0, 1.01}, far, false},
        {"teammate 0.5 m right", far, {0.0, -0.5}, true},
        {"teammate 0.51 m right", far, {0.0, -0.51}, false},
    };
    for (const auto& row : table) {
        const Vector2 field = fieldWith(Vector2(), row.opponent, row.teammate);
        EXPECT_EQ(field != targetOnly, row.pushed) << row.players;
    }
    // An opponent left of the path pushes the agent to the right and swirls it on past the opponent.
    EXPECT_EQ(fieldWith(Vector2(), {0.0, 1.0}, far), targetOnly + Vector2(10.0, -10.0));
}

TEST_F(PotentialFieldNavigationTest, NearTheirGoalTheClosestToTheBallGoesThroughThePlayers) {
    const Vector2 self(12.5, 0.0); // 2.5 m from their goal
    const Vector2 targetOnly(12.0, 0.0);
    EXPECT_EQ(fieldWith(self, self + Vector2(0.3, 0.0), self + Vector2(0.0, 0.3), false), targetOnly);
    // Another teammate is the team's closest: the players count again.
    EXPECT_NE(fieldWith(self, self + Vector2(0.3, 0.0), Vector2(-10.0, 9.0)), targetOnly);
}

} // namespace
} // namespace behavior
} // namespace decision_making
