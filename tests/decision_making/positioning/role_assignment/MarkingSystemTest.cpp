#include "decision_making/positioning/role_assignment/MarkingSystem.h"

#include "decision_making/positioning/DelaunayPositioning.h"
#include "modeling/PlayMode.h"
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
namespace positioning {
namespace role_assignment {
namespace {

using marlowinds_lib::math::Pose2D;
using Position = MarkingSystem::Position;
using decision_making::testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

const std::string FORMATIONS = std::string(MARLOWINDS_CONFIGURATION_DIR) + "/formation/";
const Position OWN_GOAL(-15.0, 0.0);

/// Puts the eleven players of the agent's team at the places, index uniform number - 1.
void placeTeam(HandBuiltModeling& models, const std::vector<Position>& places) {
    const int self = models.modeling.getAgentModel().getAgentNumber();
    for (int number = 1; number <= 11; ++number) {
        const Pose2D pose(0.0, places[number - 1]);
        if (number == self) {
            Access::setSelfPose(models.world(), pose);
        } else {
            Access::setTeammate(models.world(), number, pose);
        }
    }
}

TEST(MarkingSystemTest, MarkingPointsAndTheField) {
    const Position towardGoal = (OWN_GOAL - Position(-9.0, 4.0)).normalize();
    struct Case {
        Position opponent;
        Position expected;
    } const cases[] = {
        {{-10.0, 0.0}, {-11.5, 0.0}},
        {{-9.0, 4.0}, Position(-9.0, 4.0) + towardGoal * 1.5},
        {OWN_GOAL, OWN_GOAL}, // on the goal: no direction, the opponent itself
    };
    for (const Case& c : cases) {
        const Position point = MarkingSystem::markingPoint(c.opponent, OWN_GOAL);
        EXPECT_NEAR(point.x, c.expected.x, 1e-12) << c.opponent.x << ", " << c.opponent.y;
        EXPECT_NEAR(point.y, c.expected.y, 1e-12) << c.opponent.x << ", " << c.opponent.y;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(MarkingSystem::isInsideField({14.99, -9.99}));
    for (const Position& outside :
         {Position(15.0, 0.0), Position(-15.0, 0.0), Position(0.0, 10.0), Position(0.0, -10.0), Position(nan, 0.0)}) {
        EXPECT_FALSE(MarkingSystem::isInsideField(outside)) << outside.x << ", " << outside.y;
    }
}

/// Over a sequence of cycles the ball, the play mode and the players move: each
/// cycle the field players stand on the formation positions in a new order, and
/// sometimes an opponent near the ball is marked by the player standing on its
/// marking point. The optimal roles are then those of the places they stand on.
TEST(MarkingSystemTest, EachCycleEveryPlayerIsGivenThePlaceItStandsOn) {
    const int agent = 6;
    HandBuiltModeling models(agent);
    Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    MarkingSystem marking(FORMATIONS);
    DelaunayPositioning formation(FORMATIONS);
    std::mt19937 engine(3);
    std::uniform_real_distribution<double> x(-14.0, 14.0);
    std::uniform_real_distribution<double> y(-9.0, 9.0);
    const modeling::PlayMode::PLAY_MODE modes[] = {modeling::PlayMode::PLAY_ON, modeling::PlayMode::OWN_KICK_IN,
                                                   modeling::PlayMode::THEIR_CORNER_KICK, modeling::PlayMode::OWN_PASS};
    for (int cycle = 0; cycle < 300; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        // In two cycles of three the opponent nearest the ball stands inside the field; in the third just
        // beyond the touch line, by a ball on it. Another opponent stands farther off.
        const bool marked = cycle % 3 != 0;
        const double side = cycle % 2 == 0 ? 1.0 : -1.0;
        const Position ball(x(engine), marked ? y(engine) : 9.9 * side);
        const Position nearBall = marked ? ball + Position(0.2, 0.2) : Position(ball.x, 10.1 * side);
        Access::setBall(models.world(), Pose2D(0.0, ball));
        Access::setPlayMode(models.world(), modes[cycle % 4]);
        const auto team = formation.getTeamPosition(models.modeling);
        std::vector<Position> targets(team.begin() + 1, team.end());
        std::vector<int> roles(10);
        std::iota(roles.begin(), roles.end(), 1);

        const int markedNumber = 1 + cycle % 11;
        for (int number = 1; number <= 11; ++number) {
            Access::forgetOpponent(models.world(), number);
        }
        Access::setOpponent(models.world(), markedNumber, Pose2D(0.0, nearBall));
        Access::setOpponent(models.world(), 1 + (cycle + 5) % 11, Pose2D(0.0, ball + Position(3.0, -3.0 * side)));
        if (marked) {
            const Position point = MarkingSystem::markingPoint(nearBall, OWN_GOAL);
            std::size_t nearest = 0;
            for (std::size_t j = 1; j < targets.size(); ++j) {
                if (targets[j].distance(point) < targets[nearest].distance(point)) {
                    nearest = j;
                }
            }
            targets[nearest] = point;
            roles[nearest] = markedNumber + 10;
        }

        std::vector<int> order(10);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), engine);
        std::vector<Position> places(11);
        places[0] = Position(-14.5, 0.0);
        std::vector<int> expected(10);
        for (int k = 0; k < 10; ++k) {
            places[k + 1] = targets[order[k]];
            expected[k] = roles[order[k]];
        }
        placeTeam(models, places);
        Access::refreshPlayerLists(models.world());

        marking.selectRolesAndAssign(models.modeling);

        ASSERT_EQ(models.world().getMyRoleAssignmentVector(), expected);
    }
}

TEST(MarkingSystemTest, MorePlayersThanTheSolverTakesKeepTheLastVector) {
    // The goalkeeper's ten teammates are all field players: eleven agents with itself.
    HandBuiltModeling models(1);
    Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    std::vector<Position> places;
    for (int number = 1; number <= 11; ++number) {
        places.emplace_back(-14.0 + number, 0.5 * number);
    }
    placeTeam(models, places);
    Access::refreshPlayerLists(models.world());
    const std::vector<int> last = {3, 1, 2, 4, 5, 6, 7, 8, 10, 9};
    models.world().updateMyRoleAssignmentVector(last);
    MarkingSystem marking(FORMATIONS);

    marking.selectRolesAndAssign(models.modeling);

    EXPECT_EQ(models.world().getMyRoleAssignmentVector(), last);
}

} // namespace
} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
