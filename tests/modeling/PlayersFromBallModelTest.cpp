#include "modeling/PlayersFromBallModel.h"

#include "tests/support/TeamRadioRecord.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace modeling {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using representations::HearData;
using representations::OtherPlayer;
using tests::TeamRadioRecord;

const std::string TEAM = "Marlowinds";
const std::string NO_TEAMMATES_LINE = "Error: teammates vector empty\n";

HearData vote(int sender, int closest, const std::string& team = TEAM, bool fromSelf = false) {
    HearData heard(team, 0.0, fromSelf, 0.0,
                   TeamRadioRecord::fieldPlayer(sender, 0.0, 0.0, false, 0.0, 0.0, true,
                                                TeamRadioRecord::defaultRoles(), closest));
    heard.decode(TEAM);
    return heard;
}

/// A model for agent `number` over lists that the fixture owns, as the world model does.
class PlayersFromBallModelTest : public testing::Test {
protected:
    PlayersFromBallModel& modelFor(int number) {
        model = std::make_unique<PlayersFromBallModel>(number, TEAM, teammates, opponents);
        return *model;
    }

    /// Adds a player at the given distance to the list.
    void add(PlayerDistanceList& list, double distance, int id) {
        players.emplace_back();
        players.back().setId(id);
        list.emplace_back(distance, &players.back());
    }

    void update(const Pose2D& self, const Pose2D& ball, bool fallen = false, const HearData& heard = HearData()) {
        model->update(fallen, self, ball, heard);
    }

    std::deque<OtherPlayer> players; // stable addresses
    PlayerDistanceList teammates;
    PlayerDistanceList opponents;
    std::unique_ptr<PlayersFromBallModel> model;
};

TEST_F(PlayersFromBallModelTest, TheAgreedNumberIsTenUntilTheTwentySecondUpdate) {
    PlayersFromBallModel& m = modelFor(4);

    for (int call = 1; call <= 21; ++call) {
        update({}, {});
        ASSERT_EQ(m.getSynchronizedClosestToBall(), 10) << "update " << call;
    }
    update({}, {});

    EXPECT_EQ(m.getSynchronizedClosestToBall(), 1); // no votes at all
}

TEST_F(PlayersFromBallModelTest, TheMajorityOfVotesWinsEveryTwentySecondUpdateWithTiesToTheLowestNumber) {
    PlayersFromBallModel& m = modelFor(4);
    const int votes[][2] = {{2, 5}, {3, 7}, {4, 5}, {5, 7}};
    for (const auto& v : votes) {
        update({}, {}, false, vote(v[0], v[1]));
    }
    for (int call = 5; call <= 22; ++call) {
        update({}, {});
    }
    EXPECT_EQ(m.getSynchronizedClosestToBall(), 5);

    // Number 6 tips the balance; the agreement follows only 22 updates later.
    update({}, {}, false, vote(6, 7));
    for (int call = 2; call < 22; ++call) {
        update({}, {});
        ASSERT_EQ(m.getSynchronizedClosestToBall(), 5) << "update " << call;
    }
    update({}, {});
    EXPECT_EQ(m.getSynchronizedClosestToBall(), 7);
}

TEST_F(PlayersFromBallModelTest, OnlyFieldPlayersOfTheOwnTeamVote) {
    const struct {
        const char* what;
        HearData heard;
        std::vector<int> expected;
    } cases[] = {
        {"a teammate", vote(3, 8), {0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"the agent itself, heard back", vote(4, 4, TEAM, true), {0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0}},
        {"the goalkeeper", vote(1, 8), std::vector<int>(11, 0)},
        {"another team", vote(3, 8, "Others"), std::vector<int>(11, 0)},
        {"nothing heard yet", HearData(), std::vector<int>(11, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlayersFromBallModel& m = modelFor(4);

        update({}, {}, false, c.heard);

        EXPECT_EQ(m.getHeardClosestToBall(), c.expected);
    }
}

struct PenaltyCase {
    const char* what;
    bool goalie;
    bool fallen;
    Vector2<double> self;
    Vector2<double> ball;
    double expected;
};

TEST_F(PlayersFromBallModelTest, ThePenaltyWeighsTheAgentsPlaceAgainstTheBall) {
    const PenaltyCase cases[] = {
        {"field player behind the ball", false, false, {-1, 0}, {0, 0}, 0.0},
        {"field player beyond the ball", false, false, {1, 0}, {0, 0}, 1.0},
        {"goalkeeper, ball in its box", true, false, {-14.8, 0}, {-14.5, 0.2}, 0.0},
        {"goalkeeper, ball beside its box", true, false, {-14.8, 0}, {-14.5, 0.8}, 1000.0},
        {"goalkeeper fallen away from the ball outside its box", true, true, {-14.9, 2.0}, {-14.5, 0.8}, 1001.5},
        {"fallen 2 m from the ball", false, true, {-2, 0}, {0, 0}, 1.5},
        {"fallen 0.5 m from the ball", false, true, {-0.5, 0}, {0, 0}, 0.0},
        {"farther than the ball from the own corner, and beyond it", false, false, {-8, 2}, {-10, 5}, 2.0},
        {"nearer than the ball to the own corner", false, false, {-12, 8}, {-10, 5}, 0.0},
        {"nearer than the ball to their corner", false, false, {9.5, -9.9}, {10, -5}, 1.0},
        {"farther than the ball from their corner", false, false, {8, -9}, {10, -8}, 0.0},
        {"ball in front of the goal: no corner rule", false, false, {-14, -3}, {-10, 1.0}, 0.0},
    };
    for (const PenaltyCase& c : cases) {
        SCOPED_TRACE(c.what);
        PlayersFromBallModel& m = modelFor(c.goalie ? 1 : 5);
        update(Pose2D(0, c.self), Pose2D(0, c.ball), c.fallen);

        EXPECT_DOUBLE_EQ(m.closestToBallHeuristic(c.goalie, c.fallen, c.self.distance(c.ball), c.self), c.expected);
    }
}

TEST_F(PlayersFromBallModelTest, TheAgentPerceivesItselfClosestWhenNoTeammateIsNearer) {
    const struct {
        const char* what;
        Vector2<double> self;
        double nearestTeammate;
        bool expected;
    } cases[] = {
        {"equal distances count for the agent", {-1, 0}, 1.0, true},
        {"a nearer teammate", {-1, 0}, 0.99, false},
        {"beyond the ball, one metre of penalty", {1, 0}, 1.5, false},
        {"beyond the ball, teammate far enough", {1, 0}, 2.0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        teammates.clear();
        add(teammates, c.nearestTeammate, 3);
        PlayersFromBallModel& m = modelFor(5);
        update(Pose2D(0, c.self), Pose2D(0, 0, 0));

        EXPECT_EQ(m.selfIsClosestToBallPerceived(), c.expected);
    }
}

TEST_F(PlayersFromBallModelTest, WithoutTeammatesTheAgentIsClosestAndSaysSo) {
    PlayersFromBallModel& m = modelFor(5);
    update(Pose2D(0, 10, 0), Pose2D(0, 0, 0), true);

    testing::internal::CaptureStdout();
    const bool perceived = m.selfIsClosestToBallPerceived();
    const bool closest = m.selfIsClosestToBall();
    const bool second = m.selfIsSecondClosestToBall();
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_TRUE(perceived);
    EXPECT_TRUE(closest);
    EXPECT_FALSE(second);
    EXPECT_EQ(printed, NO_TEAMMATES_LINE + NO_TEAMMATES_LINE);
}

TEST_F(PlayersFromBallModelTest, TheAgreedNumberDecidesWhoIsClosestAndSecondComparesWithTheSecondTeammate) {
    const struct {
        const char* what;
        int agent;
        std::vector<double> teammateDistances;
        bool closest;
        bool second;
    } cases[] = {
        {"one teammate, which is the closest", 9, {0.5}, false, true},
        {"second teammate farther than the agent", 9, {0.5, 3.0}, false, true},
        {"second teammate as far as the agent", 9, {0.5, 2.0}, false, true},
        {"second teammate nearer than the agent", 9, {0.5, 1.9}, false, false},
        {"the agreed closest is never second", 10, {0.5, 3.0}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        teammates.clear();
        int id = 2;
        for (const double distance : c.teammateDistances) {
            add(teammates, distance, id++);
        }
        PlayersFromBallModel& m = modelFor(c.agent); // the agreed closest is 10
        update(Pose2D(0, -2, 0), Pose2D(0, 0, 0));

        EXPECT_EQ(m.selfIsClosestToBall(), c.closest);
        EXPECT_EQ(m.teammateIsClosestToBall(), !c.closest);
        EXPECT_EQ(m.selfIsSecondClosestToBall(), c.second);
    }
}

TEST_F(PlayersFromBallModelTest, UpdateSortsBothListsNearestFirst) {
    add(teammates, 4.0, 2);
    add(teammates, 1.0, 3);
    add(teammates, 2.0, 4);
    add(opponents, 3.0, 7);
    add(opponents, 0.5, 9);
    PlayersFromBallModel& m = modelFor(5);

    update({}, {});

    ASSERT_EQ(m.getTeammatesFromBall().size(), 3u);
    EXPECT_EQ(m.getTeammatesFromBall()[0].second->getId(), 3);
    EXPECT_EQ(m.getTeammatesFromBall()[1].second->getId(), 4);
    EXPECT_EQ(m.getTeammatesFromBall()[2].second->getId(), 2);
    EXPECT_EQ(m.getOpponentClosestFromBall()->getId(), 9);
}

TEST_F(PlayersFromBallModelTest, WithoutOpponentsTheClosestIsAPlaceholderFarOffTheField) {
    PlayersFromBallModel& m = modelFor(5);
    update({}, {});

    const OtherPlayer* placeholder = m.getOpponentClosestFromBall();

    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->getPosition(), Pose2D(0, 100, 100));
    EXPECT_FALSE(placeholder->isRelevant());
    EXPECT_EQ(m.getOpponentClosestFromBall(), placeholder);
}

} // namespace
} // namespace modeling
