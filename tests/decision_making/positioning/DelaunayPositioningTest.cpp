#include "decision_making/positioning/DelaunayPositioning.h"

#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/positioning/FormationFiles.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace positioning {
namespace {

using delaunay_triangulation::DelaunayFormationFactory;
using marlowinds_lib::math::Pose2D;
using modeling::FieldDescription;
using modeling::PlayMode;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using Vector2 = marlowinds_lib::math::Vector2<double>;

TEST(DelaunayPositioningTest, ThePlayModeChoosesTheFormationAndTheUniformNumberThePosition) {
    tests::TemporaryFolder folder;
    for (std::size_t slot = 0; slot < DelaunayFormationFactory::STEMS.size(); ++slot) {
        tests::TemporaryFolder::write(folder / (std::string(DelaunayFormationFactory::STEMS[slot]) + ".conf"),
                                      testing::cornerSamples(-40.0 + 10.0 * slot));
    }
    DelaunayPositioning positioning(folder.string());
    // By play mode 0 to 21: the slot of its formation.
    const int slots[] = {0, 0, 0, 0, 1, 3, 1, 3, 1, 3, 1, 3, 0, 0, 0, 1, 3, 0, 0, 2, 3, 0};
    for (int mode = 0; mode <= PlayMode::NONE; ++mode) {
        HandBuiltModeling models(7);
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(mode));
        Access::setBall(models.world(), Pose2D(0.0, 3.0, 2.0));
        const Pose2D own = positioning.getAgentPosition(models.modeling);
        EXPECT_NEAR(own.translation.x, (-40.0 + 10.0 * slots[mode] + 6) * 30.0 / 105.0, 1e-9) << "mode " << mode;
        EXPECT_EQ(own.rotation, 0.0);
    }
}

/// The formations as shipped, over a grid of ball positions on the whole field.
TEST(DelaunayPositioningTest, TheShippedFormationsKeepTheTeamInShapeWhereverTheBallIs) {
    ::testing::internal::CaptureStderr();
    const DelaunayFormationFactory factory(std::string(MARLOWINDS_CONFIGURATION_DIR) + "/formation/");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "every sample of every file is used";
    const double length = FieldDescription::FIELD_LENGTH / 2.0;
    const double width = FieldDescription::FIELD_WIDTH / 2.0;
    for (std::size_t slot = 0; slot < DelaunayFormationFactory::STEMS.size(); ++slot) {
        const bool ownBall = slot == DelaunayFormationFactory::OUR_BALL_FORMATION ||
                             slot == DelaunayFormationFactory::PASS_REQUEST_FORMATION;
        for (double x = -length; x <= length; x += 0.5) {
            for (double y = -width; y <= width; y += 0.5) {
                const Vector2 ball(x, y);
                const auto team = factory.getTriangulations()[slot]->interpolate(ball);
                const auto where = ::testing::Message()
                                   << DelaunayFormationFactory::STEMS[slot] << ", ball " << x << " " << y;
                ASSERT_EQ(team.size(), 11u);
                // The goalkeeper in the penalty area and in front of its goal.
                EXPECT_LE(team[0].x, -length + FieldDescription::PENALTY_AREA_LENGTH) << where;
                EXPECT_LE(std::fabs(team[0].y), FieldDescription::GOAL_AREA_WIDTH / 2.0) << where;
                double nearestAttacker = 100.0;
                for (int i = 0; i < 11; ++i) {
                    EXPECT_LE(std::fabs(team[i].x), length) << where;
                    EXPECT_LE(std::fabs(team[i].y), width) << where;
                    for (int j = 0; j < i; ++j) {
                        EXPECT_GE(team[i].distance(team[j]), 1.0) << where << ": " << i + 1 << " and " << j + 1;
                    }
                    const bool defender = i >= 1 && i <= 4;
                    if (defender && !ownBall && x >= -12.0) {
                        EXPECT_LE(team[i].x, x) << where << ": defender " << i + 1 << " is not goal-side";
                    }
                    if (i >= 8) {
                        nearestAttacker = std::min(nearestAttacker, team[i].distance(ball));
                    }
                }
                if (ownBall && x >= -9.0) {
                    EXPECT_LE(nearestAttacker, 5.0) << where;
                }
            }
        }
    }
}

} // namespace
} // namespace positioning
} // namespace decision_making
