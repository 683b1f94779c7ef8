#include "modeling/SelfModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/state_estimation/SeenWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace modeling {
namespace {

using control::walking::OdometryDistribution;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::NaoJoints;
using state_estimation::testing::VisibleWorld;

class SelfModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        MathUtils::generator.seed(5489u);
        std::srand(1);
    }

    void update(const VisibleWorld& world, const OdometryDistribution& odometry = OdometryDistribution()) {
        model.update(0.0, world.flags, world.goalPosts, world.lines, odometry, NaoJoints());
    }

    FieldDescription field;
    SelfModel model{field};
};

TEST_F(SelfModelTest, StartsAtTheCentreSpot) { EXPECT_EQ(model.getObject().getPosition(), Pose2D()); }

TEST_F(SelfModelTest, TakesTheLocalizersEstimateEachCycle) {
    const Pose2D truth(1.0, 4, -3);
    VisibleWorld world;
    world.seeEverything(truth, field, {});
    for (int cycle = 0; cycle < 5; ++cycle) {
        update(world);
    }
    EXPECT_LT(model.getObject().getPosition().translation.distance(truth.translation), 0.1);
    EXPECT_NEAR(model.getObject().getPosition().rotation, 1.0, 0.03);
}

TEST_F(SelfModelTest, AResetShowsOnlyAfterTheNextUpdate) {
    model.resetLocalizer(Pose2D(0.5, 3, 2), Pose2D(0, 0, 0));
    EXPECT_EQ(model.getObject().getPosition(), Pose2D());

    update(VisibleWorld());

    EXPECT_NEAR(model.getObject().getPosition().translation.x, 3.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().translation.y, 2.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().rotation, 0.5, 1e-9);
}

TEST_F(SelfModelTest, ResetSpreadsThatAreNotNumbersCountAsNone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    model.resetLocalizer(Pose2D(0.5, 3, 2), Pose2D(nan, -0.0, std::numeric_limits<double>::infinity()));

    update(VisibleWorld());

    EXPECT_NEAR(model.getObject().getPosition().translation.x, 3.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().translation.y, 2.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().rotation, 0.5, 1e-9);
}

TEST_F(SelfModelTest, AnEstimateWithANaNKeepsThePreviousPoseWhole) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    model.resetLocalizer(Pose2D(0.5, 3, 2), Pose2D(0, 0, 0));
    update(VisibleWorld());
    // Headings that are not numbers, positions that are; odometry that is not a
    // number leaves the positions where they are.
    model.resetLocalizer(Pose2D(nan, 7, 7), Pose2D(0, 0, 0));
    OdometryDistribution broken;
    broken.mean = Pose2D(nan, 0, 0);

    ::testing::internal::CaptureStdout();
    update(VisibleWorld(), broken);
    const std::string output = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(output, "(DebbugingUtils) Rotation is nan\n");
    EXPECT_NEAR(model.getObject().getPosition().translation.x, 3.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().translation.y, 2.0, 1e-9);
    EXPECT_NEAR(model.getObject().getPosition().rotation, 0.5, 1e-9);
}

} // namespace
} // namespace modeling
