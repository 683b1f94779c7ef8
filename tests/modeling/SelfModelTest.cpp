#include "modeling/SelfModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/GeometryExpectations.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace modeling {
namespace {

using control::walking::OdometryDistribution;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::NaoJoints;
using testing::expectNear;

const double NaN = std::numeric_limits<double>::quiet_NaN();

class SelfModelTest : public ::testing::Test {
protected:
    void SetUp() override { MathUtils::generator.seed(5489u); }

    /// A cycle without anything seen.
    void update(const OdometryDistribution& odometry = OdometryDistribution()) {
        model.update(0.0, {}, {}, {}, odometry, NaoJoints());
    }

    FieldDescription field;
    SelfModel model{field};
};

TEST_F(SelfModelTest, AResetShowsOnlyAfterTheNextUpdate) {
    // A spread that is not a number, or negative, counts as none.
    for (const Pose2D& sigma : {Pose2D(0, 0, 0), Pose2D(NaN, -0.0, std::numeric_limits<double>::infinity())}) {
        SelfModel fresh(field);
        fresh.resetLocalizer(Pose2D(0.5, 3, 2), sigma);
        EXPECT_EQ(fresh.getObject().getPosition(), Pose2D()); // still at the centre spot, as built

        fresh.update(0.0, {}, {}, {}, OdometryDistribution(), NaoJoints());

        expectNear(fresh.getObject().getPosition(), Pose2D(0.5, 3, 2), 1e-9);
    }
}

TEST_F(SelfModelTest, AnEstimateWithANaNKeepsThePreviousPoseWhole) {
    model.resetLocalizer(Pose2D(0.5, 3, 2), Pose2D(0, 0, 0));
    update();
    // Headings that are not numbers, positions that are; odometry that is not a
    // number leaves the positions where they are.
    model.resetLocalizer(Pose2D(NaN, 7, 7), Pose2D(0, 0, 0));
    OdometryDistribution broken;
    broken.mean = Pose2D(NaN, 0, 0);

    ::testing::internal::CaptureStdout();
    update(broken);
    const std::string output = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(output, "(DebbugingUtils) Rotation is nan\n");
    expectNear(model.getObject().getPosition(), Pose2D(0.5, 3, 2), 1e-9);
}

} // namespace
} // namespace modeling
