#include "decision_making/positioning/BasicDefensePositioning.h"

#include "representations/MarlowindsConstants.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace decision_making {
namespace positioning {
namespace {

using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

class BasicDefensePositioningTest : public ::testing::Test {
protected:
    void SetUp() override {
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), modeling::PlayMode::THEIR_KICK_IN);
        Access::setBall(models.world(), Pose2D(0.0, -2.0, 0.0));
        Access::setSelfPose(models.world(), Pose2D(0.0, -6.0, -4.0));
    }

    int chosen() {
        Access::refreshPlayerLists(models.world());
        const representations::OtherPlayer* opponent = defence.chooseOpponent(models.modeling, 6);
        return opponent == nullptr ? 0 : opponent->getId();
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // the formation files
    HandBuiltModeling models{6};
    BasicDefensePositioning defence;
};

TEST_F(BasicDefensePositioningTest, TheMostDangerousOpponentIsWatchedUnlessNoTeammateIsFartherFromIt) {
    // Own goal (-15, 0), ball (-2, 0). Number 3: 3 m from the ball and 10 m from
    // the goal (0.1 + 0.277); number 5: 9 m and 4 m (0.3 + 0.111): number 3 is the more dangerous.
    Access::setOpponent(models.world(), 3, Pose2D(0.0, -5.0, 0.0));
    Access::setOpponent(models.world(), 5, Pose2D(0.0, -11.0, 0.0));
    Access::setTeammate(models.world(), 2, Pose2D(0.0, 10.0, 8.0)); // farther from everyone than the agent
    EXPECT_EQ(chosen(), 3);

    // No teammate is farther than the agent from number 3, one is from number 5.
    Access::setTeammate(models.world(), 2, Pose2D(0.0, -5.5, 0.5));
    Access::setTeammate(models.world(), 4, Pose2D(0.0, -3.0, 1.0));
    EXPECT_EQ(chosen(), 5);

    // Every teammate nearer each opponent than the agent: the opponent nearest the agent.
    Access::setSelfPose(models.world(), Pose2D(0.0, 12.0, 9.0));
    EXPECT_EQ(chosen(), 3);

    Access::forgetOpponent(models.world(), 3);
    Access::forgetOpponent(models.world(), 5);
    EXPECT_EQ(chosen(), 0) << "no opponent known";
}

/// A metre nearer the ball counts as much as 36.06 / 30 metres nearer the own goal (the field's diagonal over its
/// length). Each pair sits on either side of that balance, so that weights of 1 : 1 pick the wrong one in the
/// first and weights below 0.76 : 1 the wrong one in the second.
TEST_F(BasicDefensePositioningTest, TheGoalDistanceWeighsByTheFieldDiagonalAndTheBallDistanceByItsLength) {
    const struct {
        Pose2D nearTheBall; // number 3
        Pose2D nearTheGoal; // number 5
        int watched;
    } cases[] = {
        // 1.41 m from the ball and 12.04 m from the goal (0.047 + 0.334) against 6 m and 7 m (0.2 + 0.194).
        {Pose2D(0.0, -3.0, 1.0), Pose2D(0.0, -8.0, 0.0), 3},
        // 5.39 m and 12.08 m (0.180 + 0.335) against 10.77 m and 5 m (0.359 + 0.139).
        {Pose2D(0.0, -4.0, 5.0), Pose2D(0.0, -12.0, 4.0), 5},
    };
    Access::setTeammate(models.world(), 2, Pose2D(0.0, 10.0, 8.0)); // farther from everyone than the agent
    for (const auto& testCase : cases) {
        Access::setOpponent(models.world(), 3, testCase.nearTheBall);
        Access::setOpponent(models.world(), 5, testCase.nearTheGoal);
        EXPECT_EQ(chosen(), testCase.watched);
    }
}

TEST_F(BasicDefensePositioningTest, TheMarkingPlaceCutsThePassToTheOpponent) {
    Access::setOpponent(models.world(), 3, Pose2D(0.0, -2.5, 0.5));
    Access::setOpponent(models.world(), 8, Pose2D(0.0, -6.0, 2.0));
    Access::refreshPlayerLists(models.world());
    const auto atBall = defence.chosenOpponentMarkingPosition(models.modeling, *models.world().getOpponent(3));
    EXPECT_DOUBLE_EQ(atBall.x, -2.0);
    EXPECT_DOUBLE_EQ(atBall.y, 0.0);
    const auto onThePass = defence.chosenOpponentMarkingPosition(models.modeling, *models.world().getOpponent(8));
    EXPECT_DOUBLE_EQ(onThePass.x, -4.0);
    EXPECT_DOUBLE_EQ(onThePass.y, 1.0);
}

TEST_F(BasicDefensePositioningTest, TheAgentStandsOnItsFormationPosition) {
    DelaunayPositioning formation(representations::MarlowindsConstants::FORMATION_FOLDER);
    Access::setOpponent(models.world(), 3, Pose2D(0.0, -5.0, 0.0));
    Access::refreshPlayerLists(models.world());
    const Pose2D expected = formation.getAgentPosition(models.modeling);
    const Pose2D place = defence.getAgentPosition(models.modeling);
    EXPECT_EQ(place.rotation, 0.0);
    EXPECT_EQ(place.translation, expected.translation);
}

} // namespace
} // namespace positioning
} // namespace decision_making
