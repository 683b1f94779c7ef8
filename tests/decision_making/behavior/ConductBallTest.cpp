#include "decision_making/behavior/ConductBall.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

class ConductBallTest : public testing::ShippedNavigationParams {};

TEST_F(ConductBallTest, FollowsTheLineThroughTheBallTurnedByTheBallsRotationOffTheHeading) {
    HandBuiltModeling models(7);
    tests::AgentWorkingDirectory workingDirectory(MARLOWINDS_CONFIGURATION_DIR); // the factory reads formations
    BehaviorFactory factory;
    Access::setBall(models.world(), Pose2D(0.8, 2.0, 1.0));
    // On the line through the ball in direction 0.8 - 0.4, heading along it.
    Access::setSelfPose(models.world(), Pose2D(0.4, Vector2<double>(2.0, 1.0) - Vector2<double>(1.0, 0.0).rotate(0.4)));
    ConductBall& conduct = *factory.getConductBall();

    conduct.behave(models.modeling);

    EXPECT_EQ(conduct.getMovementRequest(), factory.getFollowLine()->getMovementRequest());
    const Pose2D& velocity = dynamic_cast<const control::WalkRequest&>(*conduct.getMovementRequest()).getVelocity();
    EXPECT_NEAR(velocity.translation.y, 0.0, 1e-12);
    EXPECT_NEAR(velocity.rotation, 0.0, 1e-12);
    EXPECT_GT(velocity.translation.x, 0.0);
}

} // namespace
} // namespace behavior
} // namespace decision_making
