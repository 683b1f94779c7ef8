#include "decision_making/behavior/DeadBallBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "representations/MarlowindsConstants.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/SameRequest.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using modeling::PlayMode;
using testing::expectSameRequest;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

/// Each step is checked against a second factory whose partner makes the
/// expected move from the same, fresh, state.
class DeadBallBehaviorTest : public testing::ShippedNavigationParams {
protected:
    enum class Move { BEAM, KICK_AT_GOAL, KICK_OFF, FORMATION, KICK_OFF_LINE, BARRIER, DEFENCE, NOTHING };

    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setBall(models.world(), Pose2D(0.0, 3.0, 2.0));
        Access::setSelfPose(models.world(), Pose2D(0.0, -8.0, -6.0));
    }

    void standClosest(bool closest) {
        if (closest) {
            Access::forgetTeammate(models.world(), 2);
        } else {
            Access::setTeammate(models.world(), 2, Pose2D(0.0, 2.0, 2.0));
        }
        Access::refreshPlayerLists(models.world());
    }

    /// One fresh step in the mode; the request it left is checked against the move.
    void expectMove(int mode, Move move, const std::string& what) {
        BehaviorFactory factory;
        BehaviorFactory reference;
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(mode));
        const Pose2D target = walkTarget(move, mode);
        // Near the target its whole pose shapes the step.
        Access::setSelfPose(models.world(),
                            Pose2D(target.rotation + 0.3, target.translation + Vector2<double>(0.4, 0.3)));
        Access::refreshPlayerLists(models.world());
        DeadBallBehavior& deadBall = *factory.getDeadBallBehavior();
        ::testing::internal::CaptureStdout(); // the world model complains of a lone player
        deadBall.behave(models.modeling);
        ::testing::internal::GetCapturedStdout();

        const auto request = deadBall.getMovementRequest();
        EXPECT_EQ(deadBall.getBeamRequest() != nullptr, move == Move::BEAM) << what;
        switch (move) {
        case Move::BEAM:
            EXPECT_EQ(deadBall.getBeamRequest(), factory.getBeamBehavior()->getBeamRequest()) << what;
            EXPECT_EQ(request, nullptr) << what;
            break;
        case Move::NOTHING:
            EXPECT_EQ(request, nullptr) << what;
            break;
        case Move::FORMATION:
            ASSERT_NE(request, nullptr) << what;
            EXPECT_EQ(request, factory.getNavigateToStaticPosition()->getMovementRequest()) << what;
            break;
        case Move::KICK_AT_GOAL:
        case Move::KICK_OFF: {
            KickBehavior& kick = *reference.getKickBehavior();
            kick.setTarget(move == Move::KICK_OFF ? Vector2<double>(15.0, -5.0) : Vector2<double>(15.0, 0.0));
            kick.behave(models.modeling);
            EXPECT_EQ(request, factory.getKickBehavior()->getMovementRequest()) << what;
            expectSameRequest(request, kick.getMovementRequest(), what);
            break;
        }
        default:
            expectSameRequest(request, walk(models, reference, target), what);
            break;
        }
    }

    /// Where a walking move goes; anywhere for the others.
    Pose2D walkTarget(Move move, int mode) {
        switch (move) {
        case Move::KICK_OFF_LINE:
            return kickOffPlace(mode == PlayMode::THEIR_KICK_OFF ? -1.0 : 0.0);
        case Move::BARRIER: {
            // 2 m from the ball (3, 2) towards the own goal's centre, facing the ball.
            const Vector2<double> ball(3.0, 2.0);
            const Vector2<double> towardsGoal = (Vector2<double>(-15.0, 0.0) - ball).normalize();
            return Pose2D((-towardsGoal).angle(), ball + towardsGoal * 2.0);
        }
        case Move::DEFENCE:
            return formationPlace();
        default:
            return Pose2D(0.0, -8.0, -6.0);
        }
    }

    static std::shared_ptr<control::MovementRequest> walk(HandBuiltModeling& agent, BehaviorFactory& reference,
                                                          const Pose2D& target) {
        NavigateToPosition& navigation = *reference.getNavigatePosition();
        navigation.setTarget(target);
        navigation.behave(agent.modeling, DeadBallBehavior::TRAVEL_SPEED);
        return navigation.getMovementRequest();
    }

    Pose2D formationPlace() { return formation.getAgentPosition(models.modeling); }

    /// The formation position held behind the line of the kick-off.
    Pose2D kickOffPlace(double limit) {
        Pose2D place = formationPlace();
        const int number = models.modeling.getAgentModel().getAgentNumber();
        const double setback = number >= 9 ? 1.5 : number >= 6 ? 2.3 : 0.0;
        if (setback > 0.0) {
            place.translation.x = std::min(place.translation.x, limit - setback);
        }
        return place;
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{7};
    positioning::DelaunayPositioning formation{representations::MarlowindsConstants::FORMATION_FOLDER};
};

TEST_F(DeadBallBehaviorTest, EveryPlayModeMovesThePlayerByWhetherItIsClosestToTheBall) {
    using M = Move;
    const struct {
        int mode;
        Move closest;
        Move other;
    } table[] = {
        {PlayMode::BEFORE_KICK_OFF, M::BEAM, M::BEAM},
        {PlayMode::OWN_KICK_OFF, M::KICK_OFF, M::KICK_OFF_LINE},
        {PlayMode::THEIR_KICK_OFF, M::KICK_OFF_LINE, M::KICK_OFF_LINE},
        {PlayMode::PLAY_ON, M::NOTHING, M::NOTHING},
        {PlayMode::OWN_KICK_IN, M::KICK_AT_GOAL, M::FORMATION},
        {PlayMode::THEIR_KICK_IN, M::BARRIER, M::DEFENCE},
        {PlayMode::OWN_CORNER_KICK, M::KICK_AT_GOAL, M::FORMATION},
        {PlayMode::THEIR_CORNER_KICK, M::BARRIER, M::DEFENCE},
        {PlayMode::OWN_GOAL_KICK, M::FORMATION, M::FORMATION},
        {PlayMode::THEIR_GOAL_KICK, M::BARRIER, M::DEFENCE},
        {PlayMode::OWN_OFFSIDE, M::KICK_AT_GOAL, M::FORMATION},
        {PlayMode::THEIR_OFFSIDE, M::BARRIER, M::DEFENCE},
        {PlayMode::GAME_OVER, M::KICK_OFF_LINE, M::KICK_OFF_LINE},
        {PlayMode::OWN_GOAL, M::BEAM, M::BEAM},
        {PlayMode::THEIR_GOAL, M::BEAM, M::BEAM},
        {PlayMode::OWN_FREE_KICK, M::KICK_AT_GOAL, M::FORMATION},
        {PlayMode::THEIR_FREE_KICK, M::BARRIER, M::DEFENCE},
        {PlayMode::OWN_DIRECT_FREE_KICK, M::NOTHING, M::NOTHING},
        {PlayMode::THEIR_DIRECT_FREE_KICK, M::NOTHING, M::NOTHING},
        {PlayMode::OWN_PASS, M::NOTHING, M::NOTHING},
        {PlayMode::THEIR_PASS, M::NOTHING, M::NOTHING},
        {PlayMode::NONE, M::KICK_OFF_LINE, M::KICK_OFF_LINE},
        {22, M::NOTHING, M::NOTHING},
    };
    for (const auto& row : table) {
        for (const bool closest : {true, false}) {
            standClosest(closest);
            expectMove(row.mode, closest ? row.closest : row.other,
                       "mode " + std::to_string(row.mode) + (closest ? ", closest" : ", not closest"));
        }
    }
}

TEST_F(DeadBallBehaviorTest, AtKickOffsTheForwardsAndMidfieldersWaitBehindTheLine) {
    // With the ball deep in their half the formation sends the forwards and midfielders beyond the line.
    for (const int number : {4, 7, 10}) {
        HandBuiltModeling agent(number);
        Access::setPlaySide(agent.world(), representations::PlaySide::LEFT);
        Access::setBall(agent.world(), Pose2D(0.0, 10.0, 0.0));
        Access::setPlayMode(agent.world(), PlayMode::THEIR_KICK_OFF);
        Pose2D held = formation.getAgentPosition(agent.modeling);
        const double setback = number == 10 ? 1.5 : number == 7 ? 2.3 : 0.0;
        if (setback > 0.0) {
            ASSERT_GT(held.translation.x, -1.0 - setback) << number << ": the line must bind for this test";
            held.translation.x = -1.0 - setback;
        }
        // Near the place its whole pose shapes the step.
        Access::setSelfPose(agent.world(), Pose2D(0.3, held.translation + Vector2<double>(0.4, 0.3)));

        BehaviorFactory factory;
        BehaviorFactory reference;
        DeadBallBehavior& deadBall = *factory.getDeadBallBehavior();
        deadBall.goToDelaunayPositioningSaturatedInX(agent.modeling, -1.0);

        expectSameRequest(deadBall.getMovementRequest(), walk(agent, reference, held), std::to_string(number));
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
