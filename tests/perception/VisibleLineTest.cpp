#include "perception/VisibleLine.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <cmath>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;

TEST(VisibleLineTest, ReadsBothEndsAndTheReadingsOfTheSecond) {
    const VisibleLine line(testing::ParsedGroup("(L (pol 1 0 0) (pol 2 90 30))").node());

    EXPECT_EQ(line.getVisibleObjectType(), VisibleObjectType::LINE);
    EXPECT_NEAR(line.getPosition().x, 1.0, 1e-12);
    EXPECT_NEAR(line.getPosition2().x, 0.0, 1e-12);
    EXPECT_NEAR(line.getPosition2().y, 2.0 * std::cos(MathUtils::PI / 6.0), 1e-12);
    EXPECT_NEAR(line.getPosition2().z, 1.0, 1e-12);
    EXPECT_NEAR(line.getDistance2(), 2.0, 1e-12);
    EXPECT_NEAR(line.getHorizontalAngle2(), MathUtils::PI / 2.0, 1e-12);
    EXPECT_NEAR(line.getHorizontalAngleDeg2(), 90.0, 1e-9);
    EXPECT_NEAR(line.getLatitudeAngle2(), MathUtils::PI / 6.0, 1e-12);
    EXPECT_NEAR(line.getLatitudeAngleDeg2(), 30.0, 1e-9);
}

TEST(VisibleLineTest, SecondEndIsNotTrimmed) {
    // The leading blank makes an empty first token: distance 0, bearing 2, latitude 0.
    const VisibleLine line(testing::ParsedGroup("(L (pol 1 0 0) (pol  2 0 0))").node());

    EXPECT_NEAR(line.getDistance2(), 0.0, 1e-12);
}

TEST(VisibleLineTest, TransformMovesBothEnds) {
    VisibleLine line(testing::ParsedGroup("(L (pol 1 0 0) (pol 2 0 0))").node());
    const marlowinds_lib::math::Pose3D pose({0.5, -1.0, 0.25});

    line.transformPosition(pose);

    EXPECT_NEAR(line.getPosition().x, 1.5, 1e-12);
    EXPECT_NEAR(line.getPosition().y, -1.0, 1e-12);
    EXPECT_NEAR(line.getPosition().z, 0.25, 1e-12);
    EXPECT_NEAR(line.getPosition2().x, 2.5, 1e-12);
    EXPECT_NEAR(line.getPosition2().y, -1.0, 1e-12);
    EXPECT_NEAR(line.getPosition2().z, 0.25, 1e-12);
}

} // namespace
} // namespace perception
