#include "decision_making/behavior/SetPlay.h"

#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

void expectPose(const Pose2D& actual, const Pose2D& expected, const char* what) {
    EXPECT_NEAR(std::remainder(actual.rotation - expected.rotation, 2.0 * std::acos(-1.0)), 0.0, 1e-9) << what;
    EXPECT_NEAR(actual.translation.x, expected.translation.x, 1e-9) << what;
    EXPECT_NEAR(actual.translation.y, expected.translation.y, 1e-9) << what;
}

class SetPlayGeometryTest : public ::testing::Test {
protected:
    SetPlayGeometryTest() : models(7) { Access::setPlaySide(models.world(), representations::PlaySide::LEFT); }

    HandBuiltModeling models;
    SetPlay setPlay;
};

TEST_F(SetPlayGeometryTest, BarrierAndReceiverStandOnTheLinesFromTheBallToTheGoalsFacingTheBall) {
    const double pi = std::acos(-1.0);
    const struct {
        Pose2D ball;
        Pose2D barrier;
        Pose2D receiver;
    } table[] = {
        {{0.0, 0.0, 0.0}, {0.0, -2.3, 0.0}, {pi, 2.0, 0.0}},
        {{0.0, -12.0, 4.0},
         {0.9272952180016122, -13.38, 2.16},
         {2.994514298201391, -10.021593075292259, 3.706902677821075}},
        // A ball on a goal's centre gives no line: the ball's own pose stands in.
        {{0.7, -15.0, 0.0}, {0.7, -15.0, 0.0}, {pi, -13.0, 0.0}},
        {{-0.4, 15.0, 0.0}, {0.0, 12.7, 0.0}, {-0.4, 15.0, 0.0}},
    };
    for (const auto& row : table) {
        Access::setBall(models.world(), row.ball);

        expectPose(setPlay.calculateBarrierPositioning(models.modeling), row.barrier, "barrier");
        expectPose(setPlay.calculateReceiverPositioning(models.modeling), row.receiver, "receiver");
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
