#include "perception/ForceResistancePerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

namespace perception {
namespace {

TEST(ForceResistancePerceptorTest, ReadsOriginAndForceUnderTheTrimmedFootName) {
    const testing::ParsedGroup group("(FRP (n  lf) (c 0.01 0.02 -0.02) (f -0.09 0.04 22.5))");

    const ForceResistancePerceptor perceptor(group.node());

    EXPECT_EQ(perceptor.getName(), "lf");
    EXPECT_DOUBLE_EQ(perceptor.getOriginCoordinates().x, 0.01);
    EXPECT_DOUBLE_EQ(perceptor.getOriginCoordinates().y, 0.02);
    EXPECT_DOUBLE_EQ(perceptor.getOriginCoordinates().z, -0.02);
    EXPECT_DOUBLE_EQ(perceptor.getForce().x, -0.09);
    EXPECT_DOUBLE_EQ(perceptor.getForce().y, 0.04);
    EXPECT_DOUBLE_EQ(perceptor.getForce().z, 22.5);
    EXPECT_EQ(perceptor.getForceResistanceData().getForce(), perceptor.getForce());
    EXPECT_EQ(perceptor.getForceResistanceData().getOriginCoordinates(), perceptor.getOriginCoordinates());
}

} // namespace
} // namespace perception
