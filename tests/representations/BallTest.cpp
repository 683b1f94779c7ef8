#include "representations/Ball.h"

#include <gtest/gtest.h>

#include <limits>

namespace representations {
namespace {

using marlowinds_lib::math::Pose2D;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(BallTest, NewBallIsRelevantAtTheOrigin) {
    Ball ball;
    EXPECT_TRUE(ball.isRelevant());
    EXPECT_EQ(ball.getPosition(), Pose2D());
    EXPECT_EQ(ball.getLastHeardTime(), 0.0);
    EXPECT_DOUBLE_EQ(ball.getAge(3.0), 3.0); // last seen at 0
}

TEST(BallTest, PositionWithNaNReadsAsFarAwayAndAFiniteOneIsKept) {
    const Pose2D far(100.0, 100.0, 100.0);
    const struct {
        Pose2D stored;
        Pose2D read;
    } cases[] = {
        {Pose2D(0.0, NaN, 1.0), far},
        {Pose2D(0.0, 1.0, NaN), far},
        {Pose2D(NaN, 1.0, 2.0), far},
        {Pose2D(0.5, -3.0, 2.0), Pose2D(0.5, -3.0, 2.0)},
    };
    for (const auto& c : cases) {
        Ball ball;
        ball.setPosition(c.stored);
        EXPECT_EQ(ball.getPosition(), c.read);
        EXPECT_EQ(ball.getPosition(), c.read); // the replacement stays
    }
}

} // namespace
} // namespace representations
