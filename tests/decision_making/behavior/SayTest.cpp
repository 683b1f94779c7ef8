#include "decision_making/behavior/Say.h"

#include "representations/HearData.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using representations::HearData;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

const std::string TEAM = "Marlowinds";

int slotOf(int number) { return number == 1 ? 0 : 2 * number - 2; }

/// One cycle of the radio at that server time; the text said, empty when silent.
std::string sayAt(HandBuiltModeling& models, Say& say, double time) {
    models.perceive(time);
    say.behave(models.modeling);
    const std::shared_ptr<std::string> message = say.getSayMessage();
    return message ? *message : "";
}

std::string sayInSlot(HandBuiltModeling& models, Say& say, int number, int round = 0) {
    return sayAt(models, say, (slotOf(number) + Say::SLOTS * round) * 0.02);
}

HearData heard(const std::string& text) {
    HearData data(TEAM, 0.0, false, 0.0, text);
    data.decode(TEAM);
    return data;
}

/// What the reader must get back: the value truncated toward zero to tenths.
void expectCarried(double decoded, double sent) {
    EXPECT_TRUE(decoded == 0.0 || std::signbit(decoded) == std::signbit(sent)) << decoded << " for " << sent;
    EXPECT_LE(std::fabs(decoded), std::fabs(sent) + 1e-9) << sent;
    EXPECT_LT(std::fabs(sent) - std::fabs(decoded), 0.1) << sent;
    EXPECT_NEAR(decoded * 10.0, std::round(decoded * 10.0), 1e-9) << sent;
}

TEST(SayTest, EachNumberSpeaksOnlyInItsOwnSlotAndWithinTheSayLimit) {
    for (int number = 1; number <= 11; ++number) {
        HandBuiltModeling models(number);
        Say say(nullptr);
        for (int cycle = 0; cycle < 3 * Say::SLOTS; ++cycle) {
            for (const double hair : {0.0, -1e-6}) { // a clock a hair early is still that cycle
                const std::string text = sayAt(models, say, cycle * 0.02 + hair);
                if (cycle % Say::SLOTS != slotOf(number)) {
                    EXPECT_EQ(text, "") << "number " << number << ", cycle " << cycle;
                    continue;
                }
                EXPECT_EQ(text.size(), number == 1 ? 20u : 16u) << "number " << number;
                EXPECT_LE(text.size(), 20u); // the server's say limit
                EXPECT_EQ(heard(text).getUniformNumber(), number);
            }
        }
    }
}

TEST(SayTest, WritesTheKnownRecordsExactly) {
    HandBuiltModeling player(2);
    Access::setSelfPose(player.world(), Pose2D(0.0, 0.0, 0.0));
    Access::setBall(player.world(), Pose2D(0.0, 0.0, 0.0), false);
    Access::refreshPlayerLists(player.world());
    Say playerSay(nullptr);
    EXPECT_EQ(sayInSlot(player, playerSay, 2), "IAAAAAACIZCmOhKi");

    HandBuiltModeling goalie(1);
    Access::setSelfPose(goalie.world(), Pose2D(0.0, -14.9, 0.0));
    Access::setOpponent(goalie.world(), 7, Pose2D(0.0, -3.2, -4.0), true);
    Access::setOpponent(goalie.world(), 9, Pose2D(0.0, -10.0, 2.5));
    Access::refreshPlayerLists(goalie.world());
    Say goalieSay(nullptr);
    EXPECT_EQ(sayInSlot(goalie, goalieSay, 1), "H0gBOgEs8yoGAAAAAAAA");
}

TEST(SayTest, RandomFieldPlayerRecordsReadBackAsSent) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-15.99, 15.99);
    std::uniform_int_distribution<int> role(0, 31);
    for (int draw = 0; draw < 100; ++draw) {
        const int number = 2 + draw % 10;
        HandBuiltModeling models(number);
        const Pose2D self(0.0, coordinate(random), coordinate(random));
        const Pose2D ball(0.0, coordinate(random), coordinate(random));
        const bool ballRelevant = draw % 3 != 0;
        std::vector<int> roles(10);
        std::generate(roles.begin(), roles.end(), [&] { return role(random); });
        Access::setSelfPose(models.world(), self);
        Access::setBall(models.world(), ball, ballRelevant);
        models.world().updateMyRoleAssignmentVector(roles);
        Access::refreshPlayerLists(models.world()); // no teammate: the agent names itself
        Say say(nullptr);

        const HearData data = heard(sayInSlot(models, say, number, draw));

        EXPECT_EQ(data.getUniformNumber(), number);
        expectCarried(data.getHeardAgentXPosition(), self.translation.x);
        expectCarried(data.getHeardAgentYPosition(), self.translation.y);
        EXPECT_FALSE(data.isFallen());
        expectCarried(data.getHeardBallXPosition(), ball.translation.x);
        expectCarried(data.getHeardBallYPosition(), ball.translation.y);
        EXPECT_EQ(data.isHeardBallRelevant(), ballRelevant);
        EXPECT_EQ(data.getRoleAssigment(), roles);
        EXPECT_EQ(data.getPlayerClosestToBall(), number);
    }
}

TEST(SayTest, RandomGoalieRecordsCarryTheFourNearestOpponents) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> coordinate(-15.0, 15.0);
    for (int draw = 0; draw < 50; ++draw) {
        HandBuiltModeling models(1);
        const Pose2D self(0.0, coordinate(random), coordinate(random));
        Access::setSelfPose(models.world(), self);
        std::vector<std::pair<double, int>> byDistance;
        std::vector<Pose2D> positions(12);
        for (int number = 1; number <= draw % 7; ++number) {
            positions[number] = Pose2D(0.0, coordinate(random), coordinate(random));
            Access::setOpponent(models.world(), number, positions[number], number % 2 == 0);
            byDistance.emplace_back(std::hypot(positions[number].translation.x - self.translation.x,
                                               positions[number].translation.y - self.translation.y),
                                    number);
        }
        std::sort(byDistance.begin(), byDistance.end());
        Access::refreshPlayerLists(models.world());
        Say say(nullptr);

        const HearData data = heard(sayInSlot(models, say, 1, draw));

        expectCarried(data.getHeardAgentXPosition(), self.translation.x);
        expectCarried(data.getHeardAgentYPosition(), self.translation.y);
        const std::vector<representations::OtherPlayer> opponents = data.getOpponentPositions();
        ASSERT_EQ(opponents.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            const int number = k < byDistance.size() ? byDistance[k].second : 0;
            EXPECT_EQ(opponents[k].getId(), number) << "draw " << draw << ", entry " << k;
            EXPECT_EQ(opponents[k].isRelevant(), number != 0);
            EXPECT_EQ(opponents[k].isFallen(), number != 0 && number % 2 == 0);
            expectCarried(opponents[k].getPosition().translation.x, positions[number].translation.x);
            expectCarried(opponents[k].getPosition().translation.y, positions[number].translation.y);
        }
    }
}

TEST(SayTest, CoordinatesBeyondTheFieldWidthAreClampedAndNonNumbersSentAsZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double sent;
        double read;
    } cases[] = {{-0.5, -0.5},   {-3.75, -3.7}, {2.3, 2.3},          {15.96, 15.9}, {16.0, 15.9}, {16.2, 15.9},
                 {-16.2, -15.9}, {1e12, 15.9},  {std::nan(""), 0.0}, {inf, 0.0},    {-inf, 0.0}};
    for (const auto& c : cases) {
        HandBuiltModeling models(4);
        Access::setSelfPose(models.world(), Pose2D(0.0, c.sent, 1.0));
        Say say(nullptr);

        const HearData data = heard(sayInSlot(models, say, 4));

        EXPECT_NEAR(data.getHeardAgentXPosition(), c.read, 1e-9) << c.sent;
        EXPECT_NEAR(data.getHeardAgentYPosition(), 1.0, 1e-9) << "the record keeps its layout after " << c.sent;
        EXPECT_EQ(data.getRoleAssigment(), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }
}

TEST(SayTest, AlwaysSendsTenRoleEntriesWithinTheFieldWidth) {
    const struct {
        std::vector<int> own;
        std::vector<int> sent;
    } cases[] = {
        {{}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {{7, 7, 7}, {7, 7, 7, 4, 5, 6, 7, 8, 9, 10}},
        {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 11, 12}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {{40, -3, 31, 0, 5, 6, 7, 8, 9, 10}, {31, 0, 31, 0, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto& c : cases) {
        HandBuiltModeling models(6);
        models.world().updateMyRoleAssignmentVector(c.own);
        Access::refreshPlayerLists(models.world());
        Say say(nullptr);

        const HearData data = heard(sayInSlot(models, say, 6));

        EXPECT_EQ(data.getRoleAssigment(), c.sent);
        EXPECT_EQ(data.getPlayerClosestToBall(), 6) << "the closest player stays in place";
    }
}

TEST(SayTest, NamesTheNearestStandingTeammateAndKeepsTheLastNameWhenNoneStands) {
    HandBuiltModeling models(5);
    modeling::WorldModel& world = models.world();
    Access::setSelfPose(world, Pose2D(0.0, -5.0, 0.0));
    Access::setBall(world, Pose2D(0.0, 0.0, 0.0));
    Say say(nullptr);
    const auto closestNamedIn = [&](int round) {
        Access::refreshPlayerLists(world);
        return heard(sayInSlot(models, say, 5, round)).getPlayerClosestToBall();
    };

    Access::setTeammate(world, 3, Pose2D(0.0, -1.0, 0.0), true);
    EXPECT_EQ(closestNamedIn(0), 0) << "nobody named yet";
    Access::setTeammate(world, 4, Pose2D(0.0, -2.0, 0.0));
    EXPECT_EQ(closestNamedIn(1), 4);
    Access::setTeammate(world, 4, Pose2D(0.0, -2.0, 0.0), true);
    EXPECT_EQ(closestNamedIn(2), 4);
    Access::setSelfPose(world, Pose2D(0.0, -0.5, 0.0));
    EXPECT_EQ(closestNamedIn(3), 5);
}

TEST(SayTest, TellsTeammatesThatTheAgentLiesOnTheGround) {
    HandBuiltModeling models(3);
    for (int cycle = 0; cycle < 20; ++cycle) {
        models.perceive(cycle * 0.02, true);
    }
    Say say(nullptr);
    models.perceive(Say::SLOTS * 0.02 + 4 * 0.02, true);
    say.behave(models.modeling);

    ASSERT_NE(say.getSayMessage(), nullptr);
    EXPECT_TRUE(heard(*say.getSayMessage()).isFallen());
}

} // namespace
} // namespace behavior
} // namespace decision_making
