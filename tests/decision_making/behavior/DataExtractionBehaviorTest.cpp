#include "decision_making/behavior/DataExtractionBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/SameRequest.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::expectSameRequest;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using KickState = DataExtractionBehavior::KickState;
using DataState = DataExtractionBehavior::DataState;

const Vector2<double> TARGET(10.0, 0.0);

class DataExtractionBehaviorTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        dataExtraction.setTarget(TARGET);
        // The kick the agent plays for the distance from a ball at (2, 1).
        const auto kick = kick_behavior::KickManager().getKick(TARGET.distance({2.0, 1.0}), 7, 4, 0.0);
        relativeKickPlace =
            kick->getKickParameters().getRelativeSelfPosition().rotate((TARGET - Vector2<double>(2.0, 1.0)).angle());
    }

    /// One step with the agent at the place, relative to the ball at (2, 1), and
    /// the ball then moved by the offset.
    void step(const Vector2<double>& fromBall, const Vector2<double>& ballMoved = Vector2<double>()) {
        Access::setSelfPose(models.world(), Pose2D(0.0, Vector2<double>(2.0, 1.0) + fromBall));
        Access::setBall(models.world(), Pose2D(0.0, Vector2<double>(2.0, 1.0) + ballMoved));
        dataExtraction.behave(models.modeling);
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{7};
    BehaviorFactory factory;
    DataExtractionBehavior& dataExtraction = *factory.getDataExtractionBehavior();
    /// Where the kick is played from, relative to the ball.
    Vector2<double> relativeKickPlace;
};

TEST_F(DataExtractionBehaviorTest, TheAgentWalksToTheBallCirclesItOntoTheKickPlaceAndKicks) {
    step(relativeKickPlace + Vector2<double>(-1.5, 0.0));
    EXPECT_EQ(dataExtraction.getState(), KickState::APPROACH);
    EXPECT_EQ(dataExtraction.getMovementRequest(), factory.getNavigateToBall()->getMovementRequest());

    // Beside the kick place, on the circle round the ball.
    step(relativeKickPlace.rotate(0.3));
    EXPECT_EQ(dataExtraction.getState(), KickState::ROTATE);
    EXPECT_EQ(dataExtraction.getMovementRequest(), factory.getCircleBall()->getMovementRequest());
    EXPECT_NEAR(factory.getCircleBall()->getRadius(),
                DataExtractionBehavior::CIRCLE_BALL_RATIO * relativeKickPlace.norm(), 1e-12);

    step(relativeKickPlace.rotate(0.04));
    EXPECT_EQ(dataExtraction.getState(), KickState::KICK);
    auto kick = kick_behavior::KickManager().getKick(TARGET.distance({2.0, 1.0}), 7, 4, 0.0);
    kick->behave(models.modeling);
    expectSameRequest(dataExtraction.getMovementRequest(), kick->getMovementRequest(), "kick");
}

TEST_F(DataExtractionBehaviorTest, EachRoundWaitsForTheBallForItsKickAndForTheBallToRollAway) {
    EXPECT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_BALL);
    step(relativeKickPlace + Vector2<double>(-1.6, 0.0));
    EXPECT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_BALL) << "the ball is not yet brought";
    step(relativeKickPlace + Vector2<double>(-1.0, 0.0));
    EXPECT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_KICK);
    // Five cycles of kicking make the round's kick.
    for (int cycle = 1; cycle <= 5; ++cycle) {
        step(relativeKickPlace);
        EXPECT_EQ(dataExtraction.getDataState(), cycle < 5 ? DataState::WAITING_FOR_KICK : DataState::KICKING) << cycle;
    }
    step(relativeKickPlace, Vector2<double>(1.2, 0.0));
    EXPECT_EQ(dataExtraction.getDataState(), DataState::KICKING) << "the ball is still at hand";
    // The ball is let roll for 100 cycles.
    for (int cycle = 0; cycle <= 100; ++cycle) {
        step(relativeKickPlace, Vector2<double>(3.0, 0.0));
        EXPECT_EQ(dataExtraction.getDataState(), cycle < 100 ? DataState::BALL_ROLLING : DataState::WAITING_FOR_BALL)
            << cycle;
    }
}

TEST_F(DataExtractionBehaviorTest, ARoundWithoutAKickEndsAfterItsTimeOrWhenTheBallGoes) {
    step(relativeKickPlace + Vector2<double>(-1.0, 0.0));
    ASSERT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_KICK);
    // 8.5 s of waiting, counted in steps of a cycle (the last of them may round either way).
    int cycles = 0;
    while (dataExtraction.getDataState() == DataState::WAITING_FOR_KICK && cycles < 1000) {
        step(relativeKickPlace + Vector2<double>(-1.0, 0.0));
        ++cycles;
    }
    EXPECT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_BALL);
    EXPECT_NEAR(cycles, 426, 1);
    step(relativeKickPlace + Vector2<double>(-1.0, 0.0));
    ASSERT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_KICK);
    step(relativeKickPlace + Vector2<double>(-1.9, 0.0));
    EXPECT_EQ(dataExtraction.getDataState(), DataState::WAITING_FOR_BALL);
}

} // namespace
} // namespace behavior
} // namespace decision_making
