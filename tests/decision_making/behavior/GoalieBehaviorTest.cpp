#include "decision_making/behavior/GoalieBehavior.h"

#include "control/KeyframeRequest.h"
#include "control/keyframe/KeyframeType.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/SameRequest.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using MovementRequestPointer = std::shared_ptr<control::MovementRequest>;
using modeling::PlayMode;
using testing::expectSameRequest;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using State = GoalieBehavior::State;

/// Starts the goalkeeper in any state, also in those no transition enters.
class StartedGoalie : public GoalieBehavior {
public:
    explicit StartedGoalie(int start, BehaviorFactory* factory = nullptr) : GoalieBehavior(factory) { state = start; }
};

class GoalieBehaviorTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
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

    /// What a partner in a role of its own makes of the target: a walk at
    /// travel speed or a kick approach.
    MovementRequestPointer referenceWalk(const Pose2D& target) {
        BehaviorFactory reference;
        NavigateToPosition& navigation = *reference.getNavigatePosition();
        navigation.setTarget(target);
        navigation.behave(models.modeling, GoalieBehavior::TRAVEL_SPEED);
        return navigation.getMovementRequest();
    }
    MovementRequestPointer referenceKick(const Vector2<double>& target) {
        BehaviorFactory reference;
        KickBehavior& kick = *reference.getKickBehavior();
        kick.setTarget(target);
        kick.behave(models.modeling);
        return kick.getMovementRequest();
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{1};
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

TEST_F(GoalieBehaviorTest, EachStatePerformsItsMove) {
    const Pose2D ball(0.0, -13.6, 0.3);
    const Vector2<double> centreSpot(0.0, 0.0);
    const struct {
        int state;
        Pose2D self;
        std::function<MovementRequestPointer(BehaviorFactory&)> expected;
    } table[] = {
        {State::DIVE, {0.0, -14.5, 0.6}, [](BehaviorFactory& f) { return f.getKeep()->getMovementRequest(); }},
        {State::HOCKEY,
         {0.0, -14.5, 0.6},
         [](BehaviorFactory& f) { return f.getHockeyBehavior()->getMovementRequest(); }},
        {State::IDLE, {0.0, -14.5, 0.6}, [](BehaviorFactory&) { return nullptr; }},
        {State::LONG_KICK, {0.0, -14.5, 0.6}, [&](BehaviorFactory&) { return referenceKick(centreSpot); }},
        {State::GO_TO_BALL, {0.0, -14.5, 0.6}, [&](BehaviorFactory&) { return referenceWalk(ball); }},
        {State::GUARD,
         {0.0, -14.5, 0.6},
         [&](BehaviorFactory&) {
             return referenceWalk({0.0, -14.7, 1.05 * 0.3 / std::hypot(1.4, 0.3)});
         }},
        // The own goal kick: to the spot, and from within 0.5 m of it a kick to the centre spot.
        {State::OWN_GOAL_KICK,
         {0.0, -14.5, 0.6},
         [&](BehaviorFactory&) {
             return referenceWalk({0.0, -14.0, 0.0});
         }},
        {State::OWN_GOAL_KICK, {0.0, -14.2, 0.3}, [&](BehaviorFactory&) { return referenceKick(centreSpot); }},
        {7, {0.0, -14.5, 0.6}, [](BehaviorFactory&) { return nullptr; }},
    };
    for (const auto& row : table) {
        arrange(row.self, ball);
        BehaviorFactory factory;
        StartedGoalie goalie(row.state, &factory);

        goalie.perform(models.modeling);

        const MovementRequestPointer expected = row.expected(factory);
        if (expected == nullptr) {
            EXPECT_EQ(goalie.getMovementRequest(), nullptr) << "state " << row.state;
        } else {
            expectSameRequest(goalie.getMovementRequest(), expected, "state " + std::to_string(row.state));
        }
    }
}

TEST_F(GoalieBehaviorTest, CatchesAShotOnTheSideItPassesAndGuardsAgainOnceItIsSlow) {
    BehaviorFactory factory;
    GoalieBehavior& goalie = *factory.getGoalieBehavior();
    const auto page = [&goalie]() {
        return std::dynamic_pointer_cast<control::KeyframeRequest>(goalie.getMovementRequest())->getName();
    };
    arrangeShot(1.0); // the ball passes on the goalkeeper's right
    goalie.behave(models.modeling);
    EXPECT_EQ(page(), control::keyframe::KeyframeType::CATCH_RIGHT);
    arrange({0.0, -14.7, 1.0}, {0.0, -11.0, 0.0}, {0.0, -4.4, 0.0});
    goalie.behave(models.modeling);
    EXPECT_EQ(page(), control::keyframe::KeyframeType::CATCH_RIGHT) << "held while the shot lasts";

    arrange({0.0, -14.7, 1.0}, {0.0, -12.0, 0.0}, {0.0, -1.0, 0.0});
    goalie.behave(models.modeling);
    EXPECT_EQ(goalie.getState(), State::GUARD);
    EXPECT_EQ(goalie.getMovementRequest(), factory.getNavigatePosition()->getMovementRequest());
}

TEST_F(GoalieBehaviorTest, ClearsARestingBallToTheCentreSpotOnceTheOpponentsStayedAwayFiftyCycles) {
    BehaviorFactory factory;
    GoalieBehavior& goalie = *factory.getGoalieBehavior();
    arrange({0.0, -12.4, 0.0}, {0.0, -12.0, 0.0});
    for (int cycle = 1; cycle < GoalieBehavior::FAR_OPPONENT_CYCLES; ++cycle) {
        goalie.behave(models.modeling);
        ASSERT_EQ(goalie.getMovementRequest(), factory.getNavigatePosition()->getMovementRequest()) << cycle;
    }
    EXPECT_EQ(factory.getKickBehavior()->getMovementRequest(), nullptr);

    goalie.behave(models.modeling);
    EXPECT_EQ(goalie.getState(), State::LONG_KICK);
    expectSameRequest(goalie.getMovementRequest(), referenceKick({0.0, 0.0}), "the 50th cycle");
}

TEST_F(GoalieBehaviorTest, AnOpponentComingNearTheGoalStartsTheFarCountAgain) {
    GoalieBehavior goalie;
    arrangeLongKick(goalie, -10.0, 2 * GoalieBehavior::FAR_OPPONENT_CYCLES);
    goalie.changeStates(models.modeling);
    ASSERT_EQ(goalie.getState(), State::LONG_KICK) << "well past the count";

    Access::setOpponent(models.world(), 9, {0.0, -11.0, 0.0}); // 4 m from the goal
    Access::refreshPlayerLists(models.world());
    goalie.changeStates(models.modeling);
    EXPECT_EQ(goalie.getState(), State::GUARD) << "the long kick with an opponent near";

    Access::forgetOpponent(models.world(), 9);
    Access::refreshPlayerLists(models.world());
    for (int cycle = 1; cycle < GoalieBehavior::FAR_OPPONENT_CYCLES; ++cycle) {
        goalie.changeStates(models.modeling);
        ASSERT_EQ(goalie.getState(), State::GUARD) << cycle << " cycles after the opponent left";
    }
    goalie.changeStates(models.modeling);
    EXPECT_EQ(goalie.getState(), State::LONG_KICK);
}

} // namespace
} // namespace behavior
} // namespace decision_making
