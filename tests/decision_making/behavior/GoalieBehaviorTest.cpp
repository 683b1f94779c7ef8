#include "decision_making/behavior/GoalieBehavior.h"

#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using State = GoalieBehavior::State;

/// Starts the goalkeeper in any state, also in those no transition enters.
class StartedGoalie : public GoalieBehavior {
public:
    explicit StartedGoalie(int start) { state = start; }
};

class GoalieBehaviorTest : public ::testing::Test {
protected:
    GoalieBehaviorTest() : models(1) {
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), PlayMode::PLAY_ON);
        models.perceive(0.0);
    }

    /// The goalkeeper, a ball with its velocity, and no other player unless added afterwards.
    void arrange(const Pose2D& self, const Pose2D& ball, const Pose2D& ballVelocity = Pose2D()) {
        Access::setSelfPose(models.world(), self);
        Access::setBall(models.world(), ball);
        models.world().getBall().setVelocity(ballVelocity);
        Access::refreshPlayerLists(models.world());
    }

    /// A shot at 4.5 m/s along y = 0, 5 m from the own goal, passing the goalkeeper at y = 1.
    void arrangeShot(double goalkeeperY = 1.0) {
        arrange({0.0, -14.7, goalkeeperY}, {0.0, -10.0, 0.0}, {0.0, -4.5, 0.0});
    }

    /// A resting ball 0.4 m ahead, the nearest opponent having stayed far from the goal for the cycles.
    void arrangeLongKick(GoalieBehavior& goalie, double ballX = -10.0,
                         int cycles = GoalieBehavior::FAR_OPPONENT_CYCLES) {
        arrange({0.0, ballX - 0.4, 0.0}, {0.0, ballX, 0.0});
        for (int cycle = 1; cycle < cycles; ++cycle) {
            goalie.calculateParameters(models.modeling); // the transition counts the last one
        }
    }

    HandBuiltModeling models;
};

TEST_F(GoalieBehaviorTest, EveryStateMovesOnByItsOwnChecksInTheirOrder) {
    const int starts[] = {0, 1, 2, 3, 4, 5, 6, 7, -1};
    const std::vector<int> guardFromAll(std::size(starts), State::GUARD);
    using Arrangement = std::function<void(GoalieBehavior&)>;
    const struct {
        const char* situation;
        Arrangement arrangeFor;
        std::vector<int> next; // by start state
    } table[] = {
        {"ball far",
         [&](GoalieBehavior&) {
             arrange({0.0, -14.7, 0.0}, {0.0, 0.0, 0.0});
         },
         guardFromAll},
        {"shot beside", [&](GoalieBehavior&) { arrangeShot(); }, {0, 0, 5, 5, 0, 0, 5, 5, 5}},
        {"shot at the goalkeeper", [&](GoalieBehavior&) { arrangeShot(0.0); }, guardFromAll},
        {"shot beside with a teammate listed",
         [&](GoalieBehavior&) {
             Access::setTeammate(models.world(), 4, {0.0, -5.0, 3.0});
             arrangeShot();
             Access::forgetTeammate(models.world(), 4);
         },
         guardFromAll},
        {"ball 1.6 m from the goal",
         [&](GoalieBehavior&) {
             arrange({0.0, -14.7, 0.0}, {0.0, -13.5, 0.5});
         },
         {4, 4, 5, 4, 4, 4, 5, 5, 5}},
        {"long kick", [&](GoalieBehavior& goalie) { arrangeLongKick(goalie); }, {5, 5, 5, 3, 3, 3, 5, 5, 5}},
        {"long kick after 49 cycles", [&](GoalieBehavior& goalie) { arrangeLongKick(goalie, -10.0, 49); },
         guardFromAll},
        {"long kick with an opponent near the goal",
         [&](GoalieBehavior& goalie) {
             arrangeLongKick(goalie);
             Access::setOpponent(models.world(), 9, {0.0, -11.0, 0.0}); // 4 m from the goal
             Access::refreshPlayerLists(models.world());
             Access::forgetOpponent(models.world(), 9);
         },
         guardFromAll},
        {"long kick 1.5 m from the goal",
         [&](GoalieBehavior& goalie) { arrangeLongKick(goalie, -13.5); },
         {4, 4, 5, 3, 3, 3, 5, 5, 5}},
    };
    for (const auto& row : table) {
        for (std::size_t i = 0; i < std::size(starts); ++i) {
            StartedGoalie goalie(starts[i]);
            row.arrangeFor(goalie);

            Access::setPlayMode(models.world(), PlayMode::PLAY_ON);
            goalie.changeStates(models.modeling);
            EXPECT_EQ(goalie.getState(), row.next[i]) << row.situation << ", from " << starts[i];

            // The own goal kick overrides every transition.
            Access::setPlayMode(models.world(), PlayMode::OWN_GOAL_KICK);
            goalie.changeStates(models.modeling);
            EXPECT_EQ(goalie.getState(), State::OWN_GOAL_KICK) << row.situation << ", from " << starts[i];
        }
    }
}

TEST_F(GoalieBehaviorTest, StartsGuardingSoThatTheFirstCycleRunsEveryCheck) {
    GoalieBehavior goalie;
    EXPECT_EQ(goalie.getState(), State::GUARD);
    arrangeShot();
    goalie.changeStates(models.modeling);
    EXPECT_EQ(goalie.getState(), State::DIVE);
}

TEST_F(GoalieBehaviorTest, GoesToABallNearTheGoalUnlessLyingOnItsSide) {
    GoalieBehavior goalie;
    arrange({0.0, -14.7, 0.0}, {0.0, -13.1, 0.0}); // 1.9 m from the goal's centre
    goalie.changeStates(models.modeling);
    EXPECT_EQ(goalie.getState(), State::GO_TO_BALL);

    for (int cycle = 1; !models.modeling.getAgentModel().hasFallenSide(); ++cycle) {
        ASSERT_LT(cycle, 50);
        models.perceiveLyingOnSide(cycle * 0.02);
    }
    goalie.changeStates(models.modeling);
    EXPECT_EQ(goalie.getState(), State::GUARD);
}

TEST_F(GoalieBehaviorTest, GuardsOnTheGoalsSideOfTheBall) {
    const struct {
        Pose2D ball;
        double y;
    } table[] = {
        {{0.0, -10.0, 5.0}, 1.05 * 5.0 / std::sqrt(50.0)},
        {{0.0, 0.0, -3.0}, 1.05 * -3.0 / std::sqrt(234.0)},
        {{0.0, -15.0, 0.0}, 0.0}, // a ball on the goal's centre gives no side
    };
    GoalieBehavior goalie;
    for (const auto& row : table) {
        arrange({0.0, -14.0, 0.0}, row.ball);
        const Pose2D guard = goalie.calculatePosition(models.modeling);
        EXPECT_EQ(guard.rotation, 0.0);
        EXPECT_NEAR(guard.translation.x, -14.7, 1e-12);
        EXPECT_NEAR(guard.translation.y, row.y, 1e-12);
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
