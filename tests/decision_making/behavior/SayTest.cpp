#include "decision_making/behavior/Say.h"

#include "representations/HearData.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
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

const std::vector<int> DEFAULT_ROLES = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

int slotOf(int number) { return number == 1 ? 0 : 2 * number - 2; }

/// One cycle of the radio at that server time; the text said, empty when silent.
std::string said(HandBuiltModeling& models, Say& say, double time) {
    models.perceive(time);
    say.behave(models.modeling);
    return say.getSayMessage() ? *say.getSayMessage() : "";
}

/// What a teammate reads from the text said in the agent's slot of that round.
HearData heardInSlot(HandBuiltModeling& models, Say& say, int round = 0) {
    const int number = models.modeling.getAgentModel().getAgentNumber();
    HearData data("Marlowinds", 0.0, false, 0.0, said(models, say, (slotOf(number) + Say::SLOTS * round) * 0.02));
    data.decode("Marlowinds");
    return data;
}

/// The reader gets the value truncated toward zero to tenths.
void expectCarried(double read, double sent) {
    EXPECT_TRUE(read == 0.0 || std::signbit(read) == std::signbit(sent)) << read << " for " << sent;
    EXPECT_LE(std::fabs(read), std::fabs(sent) + 1e-9) << sent;
    EXPECT_LT(std::fabs(sent) - std::fabs(read), 0.1) << sent;
    EXPECT_NEAR(read * 10.0, std::round(read * 10.0), 1e-9) << sent;
}

TEST(SayTest, EachNumberSpeaksOnlyInItsOwnSlotAndWithinTheSayLimit) {
    for (int number = 1; number <= 11; ++number) {
        HandBuiltModeling models(number);
        Say say(nullptr);
        for (int cycle = 0; cycle < 3 * Say::SLOTS; ++cycle) {
            for (const double hair : {0.0, -1e-6}) { // a clock a hair early is still that cycle
                const std::string text = said(models, say, cycle * 0.02 + hair);
                const bool slot = cycle % Say::SLOTS == slotOf(number);
                // The server's say command takes at most 20 characters.
                EXPECT_EQ(text.size(), slot ? (number == 1 ? 20u : 16u) : 0u) << number << " in cycle " << cycle;
            }
        }
    }
}

TEST(SayTest, WritesTheKnownRecordsExactly) {
    HandBuiltModeling player(2);
    Access::setBall(player.world(), Pose2D(0.0, 0.0, 0.0), false);
    Access::refreshPlayerLists(player.world());
    HandBuiltModeling goalie(1);
    Access::setSelfPose(goalie.world(), Pose2D(0.0, -14.9, 0.0));
    Access::setOpponent(goalie.world(), 7, Pose2D(0.0, -3.2, -4.0), true);
    Access::setOpponent(goalie.world(), 9, Pose2D(0.0, -10.0, 2.5));
    Access::refreshPlayerLists(goalie.world());
    Say playerSay(nullptr);
    Say goalieSay(nullptr);

    EXPECT_EQ(said(player, playerSay, 2 * 0.02), "IAAAAAACIZCmOhKi");
    EXPECT_EQ(said(goalie, goalieSay, 0.0), "H0gBOgEs8yoGAAAAAAAA");
}

TEST(SayTest, RandomRecordsReadBackAsSent) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-15.99, 15.99);
    std::uniform_int_distribution<int> role(0, 31);
    const auto pose = [&] { return Pose2D(0.0, coordinate(random), coordinate(random)); };
    for (int draw = 0; draw < 100; ++draw) {
        const int number = 1 + draw % 11;
        HandBuiltModeling models(number);
        const Pose2D self = pose();
        const Pose2D ball = pose();
        std::vector<int> roles(10);
        std::generate(roles.begin(), roles.end(), [&] { return role(random); });
        std::vector<Pose2D> opponents(draw % 7);
        std::generate(opponents.begin(), opponents.end(), pose);
        Access::setSelfPose(models.world(), self);
        Access::setBall(models.world(), ball, draw % 3 != 0);
        models.world().updateMyRoleAssignmentVector(roles);
        for (std::size_t k = 0; k < opponents.size(); ++k) {
            Access::setOpponent(models.world(), static_cast<int>(k) + 1, opponents[k], k % 2 == 0);
        }
        Access::refreshPlayerLists(models.world()); // no teammate: the agent names itself closest
        Say say(nullptr);

        const HearData data = heardInSlot(models, say, draw);

        ASSERT_EQ(data.getUniformNumber(), number);
        expectCarried(data.getHeardAgentXPosition(), self.translation.x);
        expectCarried(data.getHeardAgentYPosition(), self.translation.y);
        if (number != 1) {
            expectCarried(data.getHeardBallXPosition(), ball.translation.x);
            expectCarried(data.getHeardBallYPosition(), ball.translation.y);
            EXPECT_EQ(data.isHeardBallRelevant(), draw % 3 != 0);
            EXPECT_EQ(data.getRoleAssigment(), roles);
            EXPECT_EQ(data.getPlayerClosestToBall(), number);
            continue;
        }
        // The goalkeeper's record: the four opponents nearest to it, then zero entries.
        const auto distance = [&](std::size_t k) {
            return std::hypot(opponents[k].translation.x - self.translation.x,
                              opponents[k].translation.y - self.translation.y);
        };
        std::vector<std::size_t> nearest(opponents.size());
        std::iota(nearest.begin(), nearest.end(), 0);
        std::sort(nearest.begin(), nearest.end(),
                  [&](std::size_t a, std::size_t b) { return distance(a) < distance(b); });
        for (std::size_t entry = 0; entry < 4; ++entry) {
            const representations::OtherPlayer& read = data.getOpponentPositions()[entry];
            const bool sent = entry < nearest.size();
            const std::size_t k = sent ? nearest[entry] : 0;
            EXPECT_EQ(read.getId(), sent ? static_cast<int>(k) + 1 : 0) << "draw " << draw << ", entry " << entry;
            EXPECT_EQ(read.isRelevant(), sent);
            EXPECT_EQ(read.isFallen(), sent && k % 2 == 0);
            if (sent) {
                expectCarried(read.getPosition().translation.x, opponents[k].translation.x);
                expectCarried(read.getPosition().translation.y, opponents[k].translation.y);
            }
        }
    }
}

TEST(SayTest, CoordinatesBeyondTheFieldAreClampedAndNonNumbersSentAsZero) {
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

        const HearData data = heardInSlot(models, say);

        EXPECT_NEAR(data.getHeardAgentXPosition(), c.read, 1e-9) << c.sent;
        EXPECT_NEAR(data.getHeardAgentYPosition(), 1.0, 1e-9) << "the layout holds after " << c.sent;
    }
}

TEST(SayTest, AlwaysSendsTenRoleEntriesWithinTheFieldWidth) {
    const struct {
        std::vector<int> own;
        std::vector<int> sent;
    } cases[] = {
        {{}, DEFAULT_ROLES},
        {{7, 7, 7}, {7, 7, 7, 4, 5, 6, 7, 8, 9, 10}},
        {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 11, 12}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {{40, -3, 31, 0, 5, 6, 7, 8, 9, 10}, {31, 0, 31, 0, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto& c : cases) {
        HandBuiltModeling models(6);
        models.world().updateMyRoleAssignmentVector(c.own);
        Access::refreshPlayerLists(models.world());
        Say say(nullptr);

        const HearData data = heardInSlot(models, say);

        EXPECT_EQ(data.getRoleAssigment(), c.sent);
        EXPECT_EQ(data.getPlayerClosestToBall(), 6) << "the closest player stays in place";
    }
}

TEST(SayTest, NamesTheNearestStandingTeammateAndKeepsTheLastNameWhileNoneStands) {
    HandBuiltModeling models(5);
    modeling::WorldModel& world = models.world();
    Access::setSelfPose(world, Pose2D(0.0, -5.0, 0.0));
    Access::setBall(world, Pose2D(0.0, 0.0, 0.0));
    Say say(nullptr);
    const auto namedIn = [&](int round) {
        Access::refreshPlayerLists(world);
        return heardInSlot(models, say, round).getPlayerClosestToBall();
    };

    Access::setTeammate(world, 3, Pose2D(0.0, -1.0, 0.0), true);
    EXPECT_EQ(namedIn(0), 0) << "nobody named yet";
    Access::setTeammate(world, 4, Pose2D(0.0, -2.0, 0.0));
    EXPECT_EQ(namedIn(1), 4);
    Access::setTeammate(world, 4, Pose2D(0.0, -2.0, 0.0), true);
    EXPECT_EQ(namedIn(2), 4);
    Access::setSelfPose(world, Pose2D(0.0, -0.5, 0.0));
    EXPECT_EQ(namedIn(3), 5);
}

TEST(SayTest, TellsTeammatesThatTheAgentLiesOnTheGround) {
    HandBuiltModeling models(3);
    for (int cycle = 0; cycle < 20; ++cycle) {
        models.perceive(cycle * 0.02, true);
    }
    Say say(nullptr);

    EXPECT_TRUE(heardInSlot(models, say, 1).isFallen()); // one upright reading does not end a fall
}

} // namespace
} // namespace behavior
} // namespace decision_making
