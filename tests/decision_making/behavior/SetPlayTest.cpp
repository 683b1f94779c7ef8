#include "decision_making/behavior/SetPlay.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/SameRequest.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using modeling::PlayMode;
using testing::expectSameRequest;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using PlayOf = Behavior& (*)(BehaviorFactory&);

template <auto getter> Behavior& playOf(BehaviorFactory& factory) { return *(factory.*getter)(); }

void expectPose(const Pose2D& actual, const Pose2D& expected, const char* what) {
    EXPECT_NEAR(std::remainder(actual.rotation - expected.rotation, 2.0 * M_PI), 0.0, 1e-9) << what;
    EXPECT_NEAR(actual.translation.x, expected.translation.x, 1e-9) << what;
    EXPECT_NEAR(actual.translation.y, expected.translation.y, 1e-9) << what;
}

/// The beam pose a beaming play left.
std::shared_ptr<Pose2D> beamOf(Behavior& play) {
    if (auto* beforeKickOff = dynamic_cast<BeforeKickOffSetPlay*>(&play)) {
        return beforeKickOff->getBeamRequest();
    }
    return dynamic_cast<SetPlay&>(play).getBeamRequest();
}

/// The set plays of one role, checked against the partners of a second role
/// that are stepped alike, so that both start from the same state.
class SetPlayTest : public testing::ShippedNavigationParams {
protected:
    enum class Move { FORMATION, BARRIER, RECEIVER, KICK, HOLD };
    enum class Standing { CLOSEST, SECOND_CLOSEST, FARTHER };

    void SetUp() override {
        ShippedNavigationParams::SetUp();
        for (HandBuiltModeling* agent : {&models, &kicker}) {
            Access::setPlaySide(agent->world(), representations::PlaySide::LEFT);
            Access::setBall(agent->world(), Pose2D());
        }
        freshRoles();
    }

    void freshRoles() {
        factory = std::make_unique<BehaviorFactory>();
        reference = std::make_unique<BehaviorFactory>();
    }
    SetPlay& setPlay() { return *factory->getSetPlay(); }

    /// Number 7 far from the ball and from every place it may go to, agreed
    /// closest to the ball (no teammate known), second closest or farther.
    void arrange(Standing standing) {
        Access::setBall(models.world(), Pose2D(0.0, 3.0, 2.0));
        Access::setSelfPose(models.world(), Pose2D(0.0, -8.0, -6.0));
        Access::forgetTeammate(models.world(), 2);
        Access::forgetTeammate(models.world(), 3);
        if (standing != Standing::CLOSEST) {
            Access::setTeammate(models.world(), 2, Pose2D(0.0, 2.0, 2.0));
        }
        if (standing == Standing::FARTHER) {
            Access::setTeammate(models.world(), 3, Pose2D(0.0, 4.0, 2.0));
        }
        Access::refreshPlayerLists(models.world());
    }

    /// Near the ball on its own side and facing nearly where it is to go, so
    /// that the approach's first step shows the direction of the kick.
    static void placeForKick(HandBuiltModeling& agent, const Vector2<double>& ball, const Vector2<double>& target) {
        Access::setBall(agent.world(), Pose2D(0.0, ball));
        Access::setSelfPose(agent.world(), Pose2D((target - ball).angle() + 0.05, ball.x - 0.8, ball.y));
        Access::refreshPlayerLists(agent.world());
    }

    std::shared_ptr<control::MovementRequest> referenceWalk(const Pose2D& target, double minimumSpeed) {
        NavigateToPosition& navigation = *reference->getNavigatePosition();
        navigation.setTarget(target);
        navigation.behave(models.modeling, minimumSpeed);
        return navigation.getMovementRequest();
    }

    /// One step of the play made the move: its request is the one the partner making it made.
    void expectMove(Behavior& play, Move move, const std::string& what) {
        NavigateToStaticPosition& formationPlace = *factory->getNavigateToStaticPosition();
        KickBehavior& kick = *factory->getKickBehavior();
        const auto formationBefore = formationPlace.getMovementRequest();
        const auto kickBefore = kick.getMovementRequest();
        const Pose2D self = models.world().getSelf().getPosition();
        play.behave(models.modeling);
        const auto request = play.getMovementRequest();
        switch (move) {
        case Move::FORMATION:
            EXPECT_NE(formationPlace.getMovementRequest(), formationBefore) << what;
            EXPECT_EQ(request, formationPlace.getMovementRequest()) << what;
            break;
        case Move::KICK:
            EXPECT_NE(kick.getMovementRequest(), kickBefore) << what;
            EXPECT_EQ(request, kick.getMovementRequest()) << what;
            break;
        case Move::BARRIER:
            expectSameRequest(request, referenceWalk(setPlay().calculateBarrierPositioning(models.modeling), 0.9),
                              what);
            break;
        case Move::RECEIVER:
            expectSameRequest(request, referenceWalk(setPlay().calculateReceiverPositioning(models.modeling), 0.9),
                              what);
            break;
        case Move::HOLD:
            expectSameRequest(request, referenceWalk(self, 0.0), what);
            break;
        }
    }

    /// One step of the play kicks as the reference role's kick approach does towards the target.
    void expectKickTowards(HandBuiltModeling& agent, Behavior& play, const Vector2<double>& target,
                           const std::string& what) {
        play.behave(agent.modeling);
        KickBehavior& kick = *reference->getKickBehavior();
        kick.setTarget(target);
        kick.behave(agent.modeling);
        EXPECT_EQ(play.getMovementRequest(), factory->getKickBehavior()->getMovementRequest()) << what;
        expectSameRequest(play.getMovementRequest(), kick.getMovementRequest(), what);
        // The kick is chosen by the distance to the target.
        const auto chosen = factory->getKickBehavior()->getKickParameters();
        EXPECT_EQ(chosen.getSelfOrientation(), kick.getKickParameters().getSelfOrientation()) << what;
        EXPECT_EQ(chosen.getRelativeSelfPosition(), kick.getKickParameters().getRelativeSelfPosition()) << what;
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{7};
    HandBuiltModeling kicker{OwnKickOffSetPlay::KICK_OFF_TAKER};
    std::unique_ptr<BehaviorFactory> factory;
    std::unique_ptr<BehaviorFactory> reference;
};

TEST_F(SetPlayTest, EveryPlayModeRunsItsSetPlayAndTakesItsMoveOrItsBeam) {
    enum Output { MOVE, BEAM, NOTHING };
    using F = BehaviorFactory;
    const struct {
        int mode;
        PlayOf subPlay;
        Output output;
    } table[] = {
        {PlayMode::BEFORE_KICK_OFF, playOf<&F::getBeforeKickOffSetPlay>, BEAM},
        {PlayMode::OWN_KICK_OFF, playOf<&F::getOwnKickOffSetPlay>, MOVE},
        {PlayMode::THEIR_KICK_OFF, playOf<&F::getOpponentKickOffSetPlay>, MOVE},
        {PlayMode::PLAY_ON, nullptr, NOTHING},
        {PlayMode::OWN_KICK_IN, playOf<&F::getOwnKickInSetPlay>, MOVE},
        {PlayMode::THEIR_KICK_IN, playOf<&F::getOpponentKickInSetPlay>, MOVE},
        {PlayMode::OWN_CORNER_KICK, playOf<&F::getOwnCornerKickSetPlay>, MOVE},
        {PlayMode::THEIR_CORNER_KICK, playOf<&F::getOpponentCornerKickSetPlay>, MOVE},
        {PlayMode::OWN_GOAL_KICK, playOf<&F::getOwnGoalKickSetPlay>, MOVE},
        {PlayMode::THEIR_GOAL_KICK, playOf<&F::getOpponentGoalKickSetPlay>, MOVE},
        {PlayMode::OWN_OFFSIDE, playOf<&F::getOwnOffsideSetPlay>, MOVE},
        {PlayMode::THEIR_OFFSIDE, playOf<&F::getOpponentOffsideSetPlay>, MOVE},
        {PlayMode::GAME_OVER, playOf<&F::getGameOverSetPlay>, MOVE},
        {PlayMode::OWN_GOAL, playOf<&F::getOwnGoalSetPlay>, BEAM},
        {PlayMode::THEIR_GOAL, playOf<&F::getOpponentGoalSetPlay>, BEAM},
        {PlayMode::OWN_FREE_KICK, playOf<&F::getOwnFreeKickSetPlay>, MOVE},
        {PlayMode::THEIR_FREE_KICK, playOf<&F::getOpponentFreeKickSetPlay>, MOVE},
        {PlayMode::OWN_DIRECT_FREE_KICK, playOf<&F::getOwnFreeKickSetPlay>, MOVE},
        {PlayMode::THEIR_DIRECT_FREE_KICK, playOf<&F::getOpponentFreeKickSetPlay>, MOVE},
        {PlayMode::OWN_PASS, nullptr, NOTHING},
        {PlayMode::THEIR_PASS, nullptr, NOTHING},
        {PlayMode::NONE, nullptr, NOTHING},
        {22, nullptr, NOTHING},
        {-1, nullptr, NOTHING},
    };
    arrange(Standing::CLOSEST);
    for (const auto& row : table) {
        freshRoles();
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(row.mode));
        ::testing::internal::CaptureStdout();
        setPlay().behave(models.modeling);
        const std::string printed = ::testing::internal::GetCapturedStdout();

        const std::string what = "mode " + std::to_string(row.mode);
        // The world model complains of a lone player on the same stream.
        EXPECT_EQ(printed.find("Vavo BUG! NONE Set Play\n") != std::string::npos, row.mode == PlayMode::NONE) << what;
        EXPECT_EQ(setPlay().getMovementRequest() != nullptr, row.output == MOVE) << what;
        EXPECT_EQ(setPlay().getBeamRequest() != nullptr, row.output == BEAM) << what;
        // Only the row's sub-play ran: the others hold nothing yet.
        for (const auto& other : table) {
            if (other.subPlay == nullptr) {
                continue;
            }
            Behavior& subPlay = other.subPlay(*factory);
            const bool ran = other.subPlay == row.subPlay;
            EXPECT_EQ(subPlay.getMovementRequest(), ran ? setPlay().getMovementRequest() : nullptr) << what;
            EXPECT_EQ(beamOf(subPlay), ran ? setPlay().getBeamRequest() : nullptr) << what;
        }
    }
}

TEST_F(SetPlayTest, MovingModesKeepTheLastBeamAndBeamingModesTheLastMove) {
    arrange(Standing::CLOSEST);
    const auto cycle = [this](int mode) {
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(mode));
        ::testing::internal::CaptureStdout(); // NONE complains
        setPlay().behave(models.modeling);
        ::testing::internal::GetCapturedStdout();
    };
    cycle(PlayMode::BEFORE_KICK_OFF);
    const auto beam = setPlay().getBeamRequest();
    cycle(PlayMode::THEIR_KICK_IN);
    const auto move = setPlay().getMovementRequest();
    ASSERT_NE(move, nullptr);
    for (const int mode : {PlayMode::PLAY_ON, PlayMode::OWN_PASS, PlayMode::THEIR_PASS, PlayMode::NONE}) {
        cycle(mode);
        EXPECT_EQ(setPlay().getBeamRequest(), beam) << mode;
        EXPECT_EQ(setPlay().getMovementRequest(), move) << mode;
    }
    cycle(PlayMode::THEIR_GOAL);
    EXPECT_NE(setPlay().getBeamRequest(), beam);
    EXPECT_EQ(setPlay().getMovementRequest(), move);
}

TEST_F(SetPlayTest, EachPlayMovesThePlayerByItsStandingToTheBall) {
    using M = Move;
    const struct {
        const char* play;
        PlayOf behavior;
        Move closest;
        Move secondClosest;
        Move farther;
    } table[] = {
        {"their kick-off", playOf<&BehaviorFactory::getOpponentKickOffSetPlay>, M::FORMATION, M::FORMATION,
         M::FORMATION},
        {"own goal kick", playOf<&BehaviorFactory::getOwnGoalKickSetPlay>, M::FORMATION, M::FORMATION, M::FORMATION},
        {"game over", playOf<&BehaviorFactory::getGameOverSetPlay>, M::FORMATION, M::FORMATION, M::FORMATION},
        {"their kick-in", playOf<&BehaviorFactory::getOpponentKickInSetPlay>, M::BARRIER, M::FORMATION, M::FORMATION},
        {"their corner kick", playOf<&BehaviorFactory::getOpponentCornerKickSetPlay>, M::BARRIER, M::FORMATION,
         M::FORMATION},
        {"their goal kick", playOf<&BehaviorFactory::getOpponentGoalKickSetPlay>, M::BARRIER, M::FORMATION,
         M::FORMATION},
        {"their offside", playOf<&BehaviorFactory::getOpponentOffsideSetPlay>, M::BARRIER, M::FORMATION, M::FORMATION},
        {"their free kick", playOf<&BehaviorFactory::getOpponentFreeKickSetPlay>, M::BARRIER, M::FORMATION,
         M::FORMATION},
        {"own corner kick", playOf<&BehaviorFactory::getOwnCornerKickSetPlay>, M::KICK, M::FORMATION, M::FORMATION},
        {"own free kick", playOf<&BehaviorFactory::getOwnFreeKickSetPlay>, M::KICK, M::FORMATION, M::FORMATION},
        {"own offside", playOf<&BehaviorFactory::getOwnOffsideSetPlay>, M::KICK, M::FORMATION, M::FORMATION},
        {"own kick-in", playOf<&BehaviorFactory::getOwnKickInSetPlay>, M::KICK, M::RECEIVER, M::FORMATION},
        {"own kick-off, not number 10", playOf<&BehaviorFactory::getOwnKickOffSetPlay>, M::HOLD, M::HOLD, M::HOLD},
    };
    for (const auto& row : table) {
        for (const auto& [standing, move, name] :
             {std::make_tuple(Standing::CLOSEST, row.closest, ", closest"),
              std::make_tuple(Standing::SECOND_CLOSEST, row.secondClosest, ", second closest"),
              std::make_tuple(Standing::FARTHER, row.farther, ", farther")}) {
            freshRoles();
            arrange(standing);
            expectMove(row.behavior(*factory), move, std::string(row.play) + name);
        }
    }
}

TEST_F(SetPlayTest, OwnSetPiecesAreKickedAtTheirGoalOrToTheReceiver) {
    const Vector2<double> goal(15.0, 0.0);
    const Vector2<double> kickInBall(7.01, 10.0);
    const struct {
        const char* play;
        PlayOf behavior;
        Vector2<double> ball;
        Vector2<double> target;
    } table[] = {
        {"own corner kick", playOf<&BehaviorFactory::getOwnCornerKickSetPlay>, {13.0, 8.0}, {13.5, 0.0}},
        {"own free kick", playOf<&BehaviorFactory::getOwnFreeKickSetPlay>, {3.0, 2.0}, goal},
        {"own offside", playOf<&BehaviorFactory::getOwnOffsideSetPlay>, {3.0, 2.0}, goal},
        {"own kick-in at x = 7", playOf<&BehaviorFactory::getOwnKickInSetPlay>, {7.0, 10.0}, goal},
        {"own kick-in beyond x = 7", playOf<&BehaviorFactory::getOwnKickInSetPlay>, kickInBall,
         kickInBall + (goal - kickInBall).normalize() * 2.0},
    };
    for (const auto& row : table) {
        freshRoles();
        placeForKick(models, row.ball, row.target);
        expectKickTowards(models, row.behavior(*factory), row.target, row.play);
    }
}

TEST_F(SetPlayTest, NumberTenKicksOffToTheThirdNearestTeammateChosenOnceByNumberAndPosition) {
    const Vector2<double> ball(0.0, 0.0);
    const Vector2<double> goal(15.0, 0.0);
    const Vector2<double> receiver(-2.0, 8.0);
    // Nearest first from the kicker at (-0.8, 0); number 6 stays back and is passed over.
    const struct {
        std::vector<int> known;
        Vector2<double> target;
        int receiver;
    } table[] = {
        {{2}, goal, OwnKickOffSetPlay::NO_RECEIVER},
        // Too few for a receiver: the list has no third, or no fourth after number 6.
        {{2, 3}, goal, OwnKickOffSetPlay::NO_RECEIVER},
        {{2, 3, 6}, goal, OwnKickOffSetPlay::NO_RECEIVER},
        {{2, 3, 8}, receiver, 8},
        {{2, 3, 6, 8}, receiver, 8},
    };
    const std::vector<std::pair<int, Pose2D>> teammates = {
        {2, {0.0, -3.0, 0.0}}, {3, {0.0, -5.0, 2.0}}, {6, {0.0, -6.0, -3.0}}, {8, {0.0, receiver}}};
    for (const auto& row : table) {
        freshRoles();
        for (const auto& [number, pose] : teammates) {
            Access::forgetTeammate(kicker.world(), number);
            if (std::find(row.known.begin(), row.known.end(), number) != row.known.end()) {
                Access::setTeammate(kicker.world(), number, pose);
            }
        }
        placeForKick(kicker, ball, row.target);
        OwnKickOffSetPlay& kickOff = *factory->getOwnKickOffSetPlay();
        expectKickTowards(kicker, kickOff, row.target, std::to_string(row.known.size()) + " teammates");
        EXPECT_EQ(kickOff.getReceiver(), row.receiver);
    }

    // The world model rebuilds its players every cycle; the receiver stays where it was chosen.
    Access::setTeammate(kicker.world(), 8, Pose2D(0.0, 5.0, 5.0));
    Access::forgetTeammate(kicker.world(), 6);
    Access::refreshPlayerLists(kicker.world());
    expectKickTowards(kicker, *factory->getOwnKickOffSetPlay(), receiver, "a later kick-off");
    EXPECT_EQ(factory->getOwnKickOffSetPlay()->getReceiver(), 8);
}

TEST_F(SetPlayTest, BarrierAndReceiverStandOnTheLinesFromTheBallToTheGoalsFacingTheBall) {
    const struct {
        Pose2D ball;
        Pose2D barrier;
        Pose2D receiver;
    } table[] = {
        {{0.0, 0.0, 0.0}, {0.0, -2.3, 0.0}, {M_PI, 2.0, 0.0}},
        {{0.0, -12.0, 4.0},
         {0.9272952180016122, -13.38, 2.16},
         {2.994514298201391, -10.021593075292259, 3.706902677821075}},
        // A ball on a goal's centre gives no line: the ball's own pose stands in.
        {{0.7, -15.0, 0.0}, {0.7, -15.0, 0.0}, {M_PI, -13.0, 0.0}},
        {{-0.4, 15.0, 0.0}, {0.0, 12.7, 0.0}, {-0.4, 15.0, 0.0}},
    };
    for (const auto& row : table) {
        Access::setBall(models.world(), row.ball);

        expectPose(setPlay().calculateBarrierPositioning(models.modeling), row.barrier, "barrier");
        expectPose(setPlay().calculateReceiverPositioning(models.modeling), row.receiver, "receiver");
    }
}

TEST_F(SetPlayTest, BarrierAndReceiverAreWalkedToAtTravelSpeed) {
    Access::setSelfPose(models.world(), Pose2D(0.5, -1.6, 0.3)); // near the barrier point: the pose counts
    setPlay().goToBarrierPositioning(models.modeling);
    expectSameRequest(setPlay().getMovementRequest(), referenceWalk({0.0, -2.3, 0.0}, 0.9), "barrier");

    freshRoles();
    Access::setSelfPose(models.world(), Pose2D(-0.5, 2.4, -0.6));
    setPlay().goToReceiverPositioning(models.modeling);
    expectSameRequest(setPlay().getMovementRequest(), referenceWalk({M_PI, 2.0, 0.0}, 0.9), "receiver");
}

} // namespace
} // namespace behavior
} // namespace decision_making
