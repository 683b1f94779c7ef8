#include "representations/Ball.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace representations {
namespace {

using marlowinds_lib::math::Pose2D;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(BallTest, NewBallIsRelevantAtTheOrigin) {
    Ball ball;
    EXPECT_TRUE(ball.isRelevant());
    EXPECT_EQ(ball.getPosition(), Pose2D());
    EXPECT_EQ(ball.getLastSeenTime(), 0.0);
    EXPECT_EQ(ball.getLastHeardTime(), 0.0);
    EXPECT_DOUBLE_EQ(ball.getAge(3.0), 3.0);
}

TEST(BallTest, PositionWithNaNReadsAsFarAway) {
    const Pose2D broken[] = {Pose2D(0.0, NaN, 1.0), Pose2D(0.0, 1.0, NaN), Pose2D(NaN, 1.0, 2.0)};
    for (const Pose2D& pose : broken) {
        Ball ball;
        ball.setPosition(pose);
        EXPECT_EQ(ball.getPosition(), Pose2D(100.0, 100.0, 100.0));
        EXPECT_EQ(ball.getPosition(), Pose2D(100.0, 100.0, 100.0));
    }
}

TEST(BallTest, FinitePositionIsKept) {
    Ball ball;
    ball.setPosition(Pose2D(0.5, -3.0, 2.0));
    EXPECT_EQ(ball.getPosition(), Pose2D(0.5, -3.0, 2.0));
}

} // namespace
} // namespace representations
