#include "decision_making/behavior/SetPlay.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

void expectPose(const Pose2D& actual, const Pose2D& expected, const char* what) {
    EXPECT_NEAR(std::remainder(actual.rotation - expected.rotation, 2.0 * M_PI), 0.0, 1e-9) << what;
    EXPECT_NEAR(actual.translation.x, expected.translation.x, 1e-9) << what;
    EXPECT_NEAR(actual.translation.y, expected.translation.y, 1e-9) << what;
}

/// Both are walk requests with the same velocity and mode.
void expectSameWalk(const std::shared_ptr<control::MovementRequest>& actual,
                    const std::shared_ptr<control::MovementRequest>& expected, const char* what) {
    const auto* walk = dynamic_cast<const control::WalkRequest*>(actual.get());
    const auto* expectedWalk = dynamic_cast<const control::WalkRequest*>(expected.get());
    ASSERT_NE(walk, nullptr) << what;
    ASSERT_NE(expectedWalk, nullptr) << what;
    EXPECT_EQ(walk->getWalkMode(), expectedWalk->getWalkMode()) << what;
    expectPose(walk->getVelocity(), expectedWalk->getVelocity(), what);
}

class SetPlayTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    }

    enum class Move { FORMATION, BARRIER, RECEIVER };
    enum class Standing { CLOSEST, SECOND_CLOSEST, FARTHER };

    /// The agent, number 7, far from the ball and from every place it may go to,
    /// agreed closest to the ball (no teammate known), second or neither.
    void arrange(Standing standing) {
        Access::setBall(models.world(), Pose2D(0.0, 3.0, 2.0));
        Access::setSelfPose(models.world(), Pose2D(0.0, -8.0, -6.0));
        for (const int number : {2, 3}) {
            Access::forgetTeammate(models.world(), number);
        }
        if (standing != Standing::CLOSEST) {
            Access::setTeammate(models.world(), 2, Pose2D(0.0, 2.0, 2.0));
        }
        if (standing == Standing::FARTHER) {
            Access::setTeammate(models.world(), 3, Pose2D(0.0, 4.0, 2.0));
        }
        Access::refreshPlayerLists(models.world());
    }

    /// One step of the play made the move: its request is the one of the partner that makes it.
    void expectMove(Behavior& play, Move move, const char* what) {
        NavigateToStaticPosition& formationPlace = *factory.getNavigateToStaticPosition();
        const auto formationRequestBefore = formationPlace.getMovementRequest();
        play.behave(models.modeling);
        const auto request = play.getMovementRequest();
        switch (move) {
        case Move::FORMATION:
            EXPECT_NE(formationPlace.getMovementRequest(), formationRequestBefore) << what;
            EXPECT_EQ(request, formationPlace.getMovementRequest()) << what;
            break;
        case Move::BARRIER:
            expectSameWalk(request, walkTo(setPlay.calculateBarrierPositioning(models.modeling), 0.9), what);
            break;
        case Move::RECEIVER:
            expectSameWalk(request, walkTo(setPlay.calculateReceiverPositioning(models.modeling), 0.9), what);
            break;
        }
    }

    /// What the navigation alone makes of the target, in a role of its own.
    std::shared_ptr<control::MovementRequest> walkTo(const Pose2D& target, double minimumSpeed) {
        NavigateToPosition& navigation = *reference.getNavigatePosition();
        navigation.setTarget(target);
        navigation.behave(models.modeling, minimumSpeed);
        return navigation.getMovementRequest();
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{7};
    BehaviorFactory factory;
    SetPlay& setPlay = *factory.getSetPlay();
    BehaviorFactory reference;
};

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

        expectPose(setPlay.calculateBarrierPositioning(models.modeling), row.barrier, "barrier");
        expectPose(setPlay.calculateReceiverPositioning(models.modeling), row.receiver, "receiver");
    }
}

TEST_F(SetPlayTest, BarrierAndReceiverAreWalkedToAtTravelSpeed) {
    Access::setBall(models.world(), Pose2D(0.0, 0.0, 0.0));
    Access::setSelfPose(models.world(), Pose2D(0.5, -1.6, 0.3)); // near the barrier point: the pose counts
    setPlay.goToBarrierPositioning(models.modeling);
    expectSameWalk(setPlay.getMovementRequest(), walkTo({0.0, -2.3, 0.0}, 0.9), "barrier");

    Access::setSelfPose(models.world(), Pose2D(-0.5, 2.4, -0.6));
    setPlay.goToReceiverPositioning(models.modeling);
    expectSameWalk(setPlay.getMovementRequest(), walkTo({M_PI, 2.0, 0.0}, 0.9), "receiver");
}

TEST_F(SetPlayTest, EachPlayMovesThePlayerByItsStandingToTheBall) {
    using M = Move;
    const struct {
        const char* play;
        Behavior& behavior;
        Move closest;
        Move secondClosest;
        Move farther;
    } table[] = {
        {"their kick-off", *factory.getOpponentKickOffSetPlay(), M::FORMATION, M::FORMATION, M::FORMATION},
        {"own goal kick", *factory.getOwnGoalKickSetPlay(), M::FORMATION, M::FORMATION, M::FORMATION},
        {"game over", *factory.getGameOverSetPlay(), M::FORMATION, M::FORMATION, M::FORMATION},
        {"their kick-in", *factory.getOpponentKickInSetPlay(), M::BARRIER, M::FORMATION, M::FORMATION},
        {"their corner kick", *factory.getOpponentCornerKickSetPlay(), M::BARRIER, M::FORMATION, M::FORMATION},
        {"their goal kick", *factory.getOpponentGoalKickSetPlay(), M::BARRIER, M::FORMATION, M::FORMATION},
        {"their offside", *factory.getOpponentOffsideSetPlay(), M::BARRIER, M::FORMATION, M::FORMATION},
        {"their free kick", *factory.getOpponentFreeKickSetPlay(), M::BARRIER, M::FORMATION, M::FORMATION},
    };
    for (const auto& row : table) {
        arrange(Standing::CLOSEST);
        expectMove(row.behavior, row.closest, row.play);
        arrange(Standing::SECOND_CLOSEST);
        expectMove(row.behavior, row.secondClosest, row.play);
        arrange(Standing::FARTHER);
        expectMove(row.behavior, row.farther, row.play);
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
