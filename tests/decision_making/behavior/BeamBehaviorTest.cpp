#include "decision_making/behavior/BeamBehavior.h"

#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

TEST(BeamBehaviorTest, EachNumberBeamsToItsOwnPoseInEveryBeamingMode) {
    const struct {
        int number;
        double x;
        double y;
    } table[] = {{1, -14.9, 0.0}, {2, -9.0, 0.0}, {3, -7.0, 0.0}, {4, -4.0, -2.0}, {5, -4.0, 2.0},  {6, -5.0, 0.0},
                 {7, -3.0, -3.0}, {8, -3.0, 3.0}, {9, -2.0, 9.0}, {10, -0.5, 0.0}, {11, -2.0, -9.0}};
    for (const auto& row : table) {
        for (const PlayMode::PLAY_MODE mode : {PlayMode::BEFORE_KICK_OFF, PlayMode::OWN_GOAL, PlayMode::THEIR_GOAL}) {
            HandBuiltModeling models(row.number);
            Access::setPlayMode(models.world(), mode);
            BeamBehavior beam;

            beam.behave(models.modeling);

            // The opponents kick off after the own goal: number 10 keeps out of the centre circle.
            const double x = row.number == 10 && mode == PlayMode::OWN_GOAL ? -2.5 : row.x;
            EXPECT_EQ(*beam.getBeamRequest(), Pose2D(0.0, x, row.y)) << "number " << row.number << ", mode " << mode;
            EXPECT_EQ(beam.getMovementRequest(), nullptr);
        }
    }
}

TEST(BeamBehaviorTest, EveryStepMakesANewPoseAndNumberTwoKeepsItsNegativeZero) {
    HandBuiltModeling models(2);
    BeamBehavior beam;
    EXPECT_EQ(beam.getBeamRequest(), nullptr);

    beam.behave(models.modeling);
    const std::shared_ptr<Pose2D> first = beam.getBeamRequest();
    beam.behave(models.modeling);

    ASSERT_NE(first, nullptr);
    EXPECT_NE(beam.getBeamRequest(), first);
    EXPECT_EQ(*beam.getBeamRequest(), *first);
    EXPECT_TRUE(std::signbit(first->translation.y)); // the beam command writes it as -0
}

} // namespace
} // namespace behavior
} // namespace decision_making
