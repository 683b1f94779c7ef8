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

} // namespace
} // namespace behavior
} // namespace decision_making
