#include "modeling/WorldModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/AgentModel.h"
#include "perception/Perception.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/ServerMessage.h"
#include "tests/modeling/StubControl.h"
#include "tests/perception/MessageFeed.h"
#include "tests/support/TeamRadioRecord.h"
#include "tests/support/WorldModelTestAccess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using Access = WorldModelTestAccess;
using M = ServerMessage;
using testing::expectNear;
using tests::TeamRadioRecord;

const std::string TEAM = "Marlowinds";
const std::string OTHERS = "Opponents";
constexpr int AGENT = 7;
const std::string PLAY_ON = "(unum 7) (team left) (t 10.00) (pm PlayOn)";

int idOf(const representations::OtherPlayer* player) { return player->getId(); }
int idOf(const PlayerDistanceList::value_type& entry) { return entry.second->getId(); }

template <typename List> std::vector<int> ids(const List& players) {
    std::vector<int> result;
    for (const auto& player : players) {
        result.push_back(idOf(player));
    }
    return result;
}

/// A world model driven cycle by cycle from hand-made server messages through
/// the real perception and agent model.
class WorldModelTest : public ::testing::Test {
protected:
    void SetUp() override { MathUtils::generator.seed(5489u); }

    /// One cycle 20 ms after the previous one; answers how often the world model's update allocated.
    long cycle(const std::string& vision = "", const std::string& extra = "", const std::string& gameState = PLAY_ON) {
        now += 0.02;
        perception.perceive(feed.deliver(M::make(now, gameState, vision, extra)));
        AgentModelUpdateData data(perception.getAgentPerception(), control);
        agentModel.update(data);
        control::walking::OdometryDistribution odometry = control.getWalkOdometry();
        const long before = testing::AllocationCounter::count();
        world.update(perception.getAgentPerception(), agentModel, odometry);
        return testing::AllocationCounter::count() - before;
    }

    /// A field player's team message as heard from another agent.
    static std::string heardFieldPlayer(int number, double x, double y, bool fallen = false,
                                        std::vector<int> roles = TeamRadioRecord::defaultRoles(), int closest = 10) {
        return M::hear(TEAM, 1.0, false,
                       TeamRadioRecord::fieldPlayer(number, x, y, fallen, 0.0, 0.0, true, roles, closest));
    }

    perception::testing::MessageFeed feed;
    perception::Perception perception{TEAM};
    StubControl control;
    AgentModel agentModel{AGENT, 0};
    WorldModel world{AGENT, TEAM};
    double now = 10.0;
};

TEST_F(WorldModelTest, BeforeTheFirstCycleNothingIsKnown) {
    EXPECT_EQ(world.getPlayMode(), PlayMode::NONE);
    EXPECT_EQ(world.getOurPlaySide(), representations::PlaySide::UNKNOWN);
    EXPECT_TRUE(world.isPenalty());
    EXPECT_TRUE(world.getTeammates().empty());
    EXPECT_TRUE(world.getOpponents().empty());
    EXPECT_TRUE(world.getOpponentsFromSelf().empty());
    EXPECT_TRUE(world.getVisibleFlags().empty());
    EXPECT_EQ(world.getOpponent(7), nullptr);
    expectNear(world.getOwnGoalPosition(), {-15.0, 0.0, 0.8}, 1e-4);
    expectNear(world.getTheirGoalPosition(), {15.0, 0.0, 0.8}, 1e-4);
    EXPECT_EQ(world.getMyRoleAssignmentVector(), TeamRadioRecord::defaultRoles());
    EXPECT_EQ(world.getSynchronizedRoleAssignmentVector(), TeamRadioRecord::defaultRoles());
    EXPECT_EQ(world.getOpponentClosestFromBall()->getPosition(), Pose2D(0.0, 100.0, 100.0));
}

TEST(WorldModelConstructionTest, OnlyUniformNumbersOfTheFieldAreAccepted) {
    for (const int number : {0, -1, 12, 15}) {
        EXPECT_THROW(WorldModel(number, TEAM), std::invalid_argument) << number;
    }
    for (const int number : {1, 11}) {
        EXPECT_NO_THROW(WorldModel(number, TEAM)) << number;
    }
}

TEST_F(WorldModelTest, ThePlayModeFollowsTheServerByOneCycleFromTheSideStoredBefore) {
    const struct {
        const char* gameState;
        PlayMode::PLAY_MODE expected;
    } cycles[] = {
        {"(t 0.00) (pm KickOff_Right)", PlayMode::BEFORE_KICK_OFF},                   // first cycle
        {"(t 0.00) (pm KickOff_Right)", PlayMode::OWN_KICK_OFF},                      // side still unknown
        {"(unum 7) (team left) (t 0.00) (pm KickOff_Right)", PlayMode::OWN_KICK_OFF}, // side stored now
        {"(unum 7) (team left) (t 0.00) (pm KickOff_Right)", PlayMode::THEIR_KICK_OFF},
        {"(unum 7) (team left) (t 0.02) (pm corner_kick_left)", PlayMode::THEIR_KICK_OFF},
        {"(unum 7) (team left) (t 0.04) (pm Goal_Left)", PlayMode::OWN_CORNER_KICK},
        {"(unum 7) (team left) (t 0.06) (pm Goal_Left)", PlayMode::OWN_GOAL},
    };
    for (const auto& c : cycles) {
        cycle("", "", c.gameState);
        EXPECT_EQ(world.getPlayMode(), c.expected) << c.gameState;
    }
}

TEST_F(WorldModelTest, VisibleObjectsAreRewrittenIntoTheRootFrameAndSortedByKind) {
    // Two balls: the later one is the cycle's.
    cycle("(F1R " + M::polar(10.0, 6.0, 0.0) + ") (G1R " + M::polar(12.0, 1.0, 0.8) + ") " + M::ball(1.0, 0.0) + " " +
          M::ball(2.0, 1.0) + " (L " + M::polar(3.0, -2.0, 0.0) + " " + M::polar(3.0, 2.0, 0.0) + ") " +
          M::player(OTHERS, 9, 4.0, -1.0));

    ASSERT_NE(Access::visibleBall(world), nullptr);
    expectNear(Access::visibleBall(world)->getPosition(), {2.0, 1.0, 0.04}, 1e-4);
    ASSERT_EQ(world.getVisibleFlags().size(), 1u);
    expectNear(world.getVisibleFlags()[0]->getPosition(), {10.0, 6.0, 0.0}, 1e-4);
    ASSERT_EQ(world.getVisibleGoalPosts().size(), 1u);
    expectNear(world.getVisibleGoalPosts()[0]->getPosition(), {12.0, 1.0, 0.8}, 1e-4);
    ASSERT_EQ(Access::visibleLines(world).size(), 1u);
    expectNear(Access::visibleLines(world)[0]->getPosition(), {3.0, -2.0, 0.0}, 1e-4);
    expectNear(Access::visibleLines(world)[0]->getPosition2(), {3.0, 2.0, 0.0}, 1e-4);
    ASSERT_EQ(Access::visiblePlayers(world).size(), 1u);
    expectNear(Access::visiblePlayers(world)[0]->getBodyPartPosition("head"), {4.0, -1.0, 0.5}, 1e-4);
    // Perception's own objects were moved in place: every later reader sees the root frame.
    const auto& objects = perception.getAgentPerception().getVisibleObjects();
    ASSERT_EQ(objects.size(), 6u);
    EXPECT_EQ(objects[3].get(), Access::visibleBall(world));
    expectNear(objects[0]->getPosition(), {10.0, 6.0, 0.0}, 1e-4);
}

TEST_F(WorldModelTest, SeenPlayersAreListedByUniformNumberWithoutTheAgentItself) {
    cycle(M::player(TEAM, 3, 2.0, 1.0) + " " + M::player(OTHERS, 9, 4.0, -1.0) + " " + M::player(OTHERS, 2, 1.0, 0.5) +
          " " + M::player(TEAM, AGENT, 1.0, 1.0) + " " + M::player(TEAM, 0, 1.0, 2.0) + " " +
          M::player(OTHERS, 12, 2.0, 2.0));

    EXPECT_EQ(ids(world.getTeammates()), std::vector<int>({3}));
    EXPECT_EQ(ids(world.getOpponents()), std::vector<int>({2, 9}));
    EXPECT_FALSE(world.isPenalty());
    EXPECT_EQ(world.getTeammateModelState(3 - 1), WorldModel::SEEN);
    EXPECT_EQ(world.getTeammateModelState(AGENT - 1), WorldModel::SEEN);
    EXPECT_EQ(world.getTeammateModelState(4 - 1), WorldModel::PREDICTED);
    EXPECT_EQ(world.getOpponentModelState(9 - 1), WorldModel::SEEN);
    EXPECT_EQ(world.getOpponentModelState(1 - 1), WorldModel::PREDICTED);
    // The mean of the seen body parts, in the robot frame.
    const Pose2D local = world.getTeammates()[0]->getLocalPosition();
    EXPECT_NEAR(local.translation.x, 2.0, 0.05);
    EXPECT_NEAR(local.translation.y, 1.0, 0.05);
    ASSERT_EQ(world.getTeammatesFromSelf().size(), 1u);
    EXPECT_NEAR(world.getTeammatesFromSelf()[0].first, local.translation.norm(), 1e-4);
    EXPECT_EQ(world.getOpponent(9)->getId(), 9);
    EXPECT_EQ(world.getOpponent(5), nullptr);
}

TEST_F(WorldModelTest, AnUnseenTeammatesOwnMessageReplacesItsTrackerFromTheEleventhCycleOn) {
    // Heard once: perception hands the message over again in every cycle.
    cycle("", heardFieldPlayer(3, -4.0, 2.5));
    for (int unseen = 2; unseen <= 10; ++unseen) {
        cycle();
        ASSERT_EQ(world.getTeammateModelState(3 - 1), WorldModel::PREDICTED) << "cycle " << unseen;
    }
    EXPECT_TRUE(world.getTeammates().empty()); // never seen: the tracker holds nothing

    cycle();

    EXPECT_EQ(world.getTeammateModelState(3 - 1), WorldModel::HEARD);
    ASSERT_EQ(ids(world.getTeammates()), std::vector<int>({3}));
    EXPECT_EQ(world.getTeammates()[0]->getPosition(), Pose2D(0.0, -4.0, 2.5));
    EXPECT_EQ(Access::teammateCyclesNotSeen(world, 3), 11);
}

TEST_F(WorldModelTest, TheGoalkeepersReportStandsInForUnseenOpponentsUntilTheNextReport) {
    const std::string report =
        TeamRadioRecord::goalkeeper(-14.0, 0.0, false, {{4, 5.0, 2.0, true, false}, {8, -3.0, -1.5, true, true}});
    cycle("", M::hear(TEAM, 1.0, false, report));
    EXPECT_TRUE(Access::opponentHeard(world, 4));
    EXPECT_TRUE(Access::opponentHeard(world, 8));
    EXPECT_FALSE(Access::opponentHeard(world, 5));

    // A fallen goalkeeper's report is not trusted, and a field player's carries no opponents.
    cycle("", M::hear(TEAM, 1.0, false, TeamRadioRecord::goalkeeper(-14.0, 0.0, true, {{5, 1.0, 1.0, true, false}})));
    EXPECT_FALSE(Access::opponentHeard(world, 5));
    cycle("", heardFieldPlayer(3, 0.0, 0.0));
    for (int unseen = 4; unseen <= 11; ++unseen) {
        cycle();
    }

    EXPECT_TRUE(Access::opponentHeard(world, 4));
    EXPECT_EQ(world.getOpponentModelState(4 - 1), WorldModel::HEARD);
    EXPECT_EQ(world.getOpponentModelState(5 - 1), WorldModel::PREDICTED);
    ASSERT_NE(world.getOpponent(4), nullptr);
    EXPECT_EQ(world.getOpponent(4)->getPosition(), Pose2D(0.0, 5.0, 2.0));
    EXPECT_TRUE(world.getOpponent(8)->isFallen());

    // A later report without number 4 clears its flag: its old description no longer stands in.
    cycle("", M::hear(TEAM, 1.0, false, TeamRadioRecord::goalkeeper(-14.0, 0.0, false, {{8, -3.0, -1.5, true, true}})));
    EXPECT_FALSE(Access::opponentHeard(world, 4));
    EXPECT_EQ(world.getOpponentModelState(4 - 1), WorldModel::PREDICTED);
}

TEST_F(WorldModelTest, HeardMessagesReachTheRoleVoteAndTheClosestPlayerVote) {
    std::vector<int> roles = TeamRadioRecord::defaultRoles();
    roles[0] = 14;
    for (int number = 2; number <= 10; ++number) {
        cycle("", heardFieldPlayer(number, 0.0, 0.0, false, roles, number == 4 ? 6 : 10));
    }
    EXPECT_EQ(world.getSynchronizedRoleAssignmentVector(), TeamRadioRecord::defaultRoles());
    EXPECT_EQ(world.getHeardClosestToBall(), std::vector<int>({0, 10, 10, 6, 10, 10, 10, 10, 10, 10, 0}));
    EXPECT_EQ(world.getSynchronizedClosestToBall(), 10);

    cycle("", heardFieldPlayer(11, 0.0, 0.0, false, roles));

    EXPECT_EQ(world.getSynchronizedRoleAssignmentVector(), roles);
}

TEST_F(WorldModelTest, TheCycleTakesTimeAndTheAgentsFallState) {
    cycle();
    EXPECT_DOUBLE_EQ(Access::time(world), now);
    EXPECT_FALSE(Access::fallen(world));

    // Lying on its back: the filtered acceleration passes 6.5 after a dozen cycles.
    for (int i = 0; i < 15; ++i) {
        cycle("", "(ACC (n torso) (a 0.00 9.81 0.00))");
    }

    EXPECT_TRUE(Access::fallen(world));
}

TEST_F(WorldModelTest, AWalkOdometryThatIsNotFiniteMovesNothing) {
    cycle(M::ball(2.0, 0.5) + " " + M::player(OTHERS, 9, 4.0, -1.0));
    const Pose2D ballBefore = world.getBall().getLocalPosition();
    const Pose2D opponentBefore = world.getOpponent(9)->getLocalPosition();

    control.odometry.mean = Pose2D(std::nan(""), 0.1, 0.0);
    cycle();

    expectNear(world.getBall().getLocalPosition(), ballBefore, 0.01);
    expectNear(world.getOpponent(9)->getLocalPosition(), opponentBefore, 0.01);
    EXPECT_TRUE(std::isfinite(world.getSelf().getPosition().rotation));
}

TEST_F(WorldModelTest, AWarmCycleAllocatesNothing) {
    if (!testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    const std::string vision = M::ball(2.0, 0.5) + " " + M::player(TEAM, 3, 2.0, 1.0) + " " +
                               M::player(OTHERS, 9, 4.0, -1.0) + " (F1R " + M::polar(10.0, 6.0, 0.0) + ") (G1R " +
                               M::polar(12.0, 1.0, 0.8) + ") (L " + M::polar(3.0, -2.0, 0.0) + " " +
                               M::polar(3.0, 2.0, 0.0) + ")";
    long allocations = 0;
    for (int round = 0; round < 4; ++round) {
        for (int number = 2; number <= 11; ++number) {
            const long made = cycle(number % 3 == 0 ? vision : "", heardFieldPlayer(number, -3.0, 1.0, number == 5));
            allocations += round > 1 ? made : 0;
        }
    }

    EXPECT_EQ(allocations, 0);
}

TEST(WorldModelTestAccessTest, HandBuiltStatesAnswerDecisionMakingsQueries) {
    WorldModel world(AGENT, TEAM);
    Access::setPlaySide(world, representations::PlaySide::RIGHT);
    Access::setSelfPose(world, Pose2D(0.0, -5.0, 0.0));
    Access::setBall(world, Pose2D(0.0, 0.0, 0.0));
    Access::setTeammate(world, 3, Pose2D(0.0, -2.0, 0.0));
    Access::setTeammate(world, 4, Pose2D(0.0, -9.0, 0.0));
    Access::setOpponent(world, 9, Pose2D(0.0, 1.0, 0.0));
    Access::setOpponent(world, 10, Pose2D(0.0, -12.0, 3.0), true);
    Access::setPlayMode(world, PlayMode::THEIR_GOAL_KICK);

    Access::refreshPlayerLists(world);

    EXPECT_EQ(world.getPlayMode(), PlayMode::THEIR_GOAL_KICK);
    EXPECT_EQ(world.getOurPlaySide(), representations::PlaySide::RIGHT);
    EXPECT_EQ(world.getFieldDescription().getCurrentPlaySide(), representations::PlaySide::RIGHT);
    EXPECT_EQ(world.getBall().getLocalPosition(), Pose2D(0.0, 5.0, 0.0));
    EXPECT_EQ(ids(world.getTeammates()), std::vector<int>({3, 4}));
    EXPECT_EQ(ids(world.getOpponents()), std::vector<int>({9, 10}));
    EXPECT_FALSE(world.isPenalty());
    EXPECT_EQ(ids(world.getTeammatesFromBall()), std::vector<int>({3, 4}));
    EXPECT_EQ(ids(world.getTeammatesFromSelf()), std::vector<int>({3, 4}));
    EXPECT_EQ(ids(world.getOpponentsFromBall()), std::vector<int>({9, 10}));
    EXPECT_EQ(ids(world.getOpponentsFromSelf()), std::vector<int>({9, 10}));
    EXPECT_EQ(ids(world.getOpponentsFromOurGoal()), std::vector<int>({10, 9}));
    EXPECT_NEAR(world.getOpponentsFromOurGoal()[0].first, std::hypot(3.0, 3.0), 1e-12);
    EXPECT_EQ(WorldModel::sortFunction(&world.getOpponentsFromOurGoal()[0], &world.getOpponentsFromOurGoal()[1]), -1);
    EXPECT_EQ(world.getOpponentClosestFromBall()->getId(), 9);
    EXPECT_TRUE(world.getOpponent(10)->isFallen());
    EXPECT_FALSE(world.selfIsClosestToBallPerceived()); // teammate 3 is 2 m from the ball, the agent 5 m
    EXPECT_FALSE(world.selfIsClosestToBall());          // the agreed closest is number 10
    EXPECT_TRUE(world.selfIsSecondClosestToBall());     // teammate 4 is 9 m from the ball

    Access::forgetTeammate(world, 3);
    Access::forgetOpponent(world, 9);
    Access::refreshPlayerLists(world);

    EXPECT_EQ(ids(world.getTeammates()), std::vector<int>({4}));
    EXPECT_EQ(world.getOpponentClosestFromBall()->getId(), 10);
    EXPECT_EQ(world.getOpponent(9), nullptr);
}

TEST(WorldModelTestAccessTest, TheAgentsFallStateWeighsOnItsOwnJudgement) {
    WorldModel world(AGENT, TEAM);
    Access::setSelfPose(world, Pose2D(0.0, -1.0, 0.0));
    Access::setBall(world, Pose2D(0.0, 0.0, 0.0));
    Access::setTeammate(world, 3, Pose2D(0.0, 2.0, 0.0));

    Access::refreshPlayerLists(world);
    EXPECT_TRUE(world.selfIsClosestToBallPerceived());

    Access::setFallen(world, true);
    Access::refreshPlayerLists(world);
    EXPECT_FALSE(world.selfIsClosestToBallPerceived()); // 1 m + 1.5 m against 2 m
}

} // namespace
} // namespace modeling
