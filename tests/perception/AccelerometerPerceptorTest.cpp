#include "perception/AccelerometerPerceptor.h"

#include "tests/perception/ParsedGroup.h"

#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

namespace perception {
namespace {

TEST(AccelerometerPerceptorTest, KeepsTheAccelerationUnconvertedUnderTheSensorName) {
    const testing::ParsedGroup group("(ACC (n torso) (a 0.12 -0.33 9.8))");

    const AccelerometerPerceptor perceptor(group.node());

    EXPECT_EQ(perceptor.getName(), "torso");
    EXPECT_EQ(perceptor.getPerceptorType(), PerceptorType::ACC);
    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().x, 0.12);
    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().y, -0.33);
    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().z, 9.8);
}

TEST(AccelerometerPerceptorTest, ReadsEveryNumberFormLexicalCastAccepts) {
    const testing::ParsedGroup group("(ACC (n torso) (a +1.5 -2e1 .5))");

    const AccelerometerPerceptor perceptor(group.node());

    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().x, 1.5);
    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().y, -20.0);
    EXPECT_DOUBLE_EQ(perceptor.getAcceleration().z, 0.5);
}

TEST(AccelerometerPerceptorTest, AComponentThatIsNotANumberThrows) {
    const testing::ParsedGroup group("(ACC (n torso) (a 0 0 9.8g))");

    EXPECT_THROW(AccelerometerPerceptor{group.node()}, boost::bad_lexical_cast);
}

} // namespace
} // namespace perception
