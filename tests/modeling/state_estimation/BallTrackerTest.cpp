#include "modeling/state_estimation/BallTracker.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/Sightings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace modeling {
namespace state_estimation {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using testing::ballAt;
using testing::expectNear;

const Pose2D STANDING_STILL;
constexpr double BALL_HEIGHT = 0.042;

/// Sightings of a ball rolling at a constant velocity, without noise; leaves the
/// ball where it was last seen.
void watchRolling(BallTracker& tracker, Vector3<double>& ball, const Vector3<double>& velocity, int cycles) {
    for (int cycle = 0; cycle < cycles; ++cycle) {
        ball += velocity * 0.02;
        const perception::VisibleBall seen = ballAt(ball);
        tracker.update(STANDING_STILL, &seen);
    }
}

/// The unseen cycle (counted from 1) in which the tracker declares the ball lost; 0 when it never does.
int unseenCyclesUntilLost(BallTracker& tracker, const Pose2D& odometry, int limit) {
    for (int cycle = 1; cycle <= limit; ++cycle) {
        tracker.update(odometry);
        if (tracker.hasLostBall()) {
            return cycle;
        }
    }
    return 0;
}

TEST(BallTrackerTest, UnseenCyclesChangeNothingBeforeTheFirstSighting) {
    BallTracker tracker;

    for (int cycle = 0; cycle < 150; ++cycle) {
        tracker.update(Pose2D(0.1, 0.05, -0.02));
    }

    EXPECT_TRUE(tracker.hasLostBall());
    expectNear(tracker.getPosition(), Pose2D(0.0, 0.0, 0.0), 0.0);
    expectNear(tracker.getVelocity(), Pose2D(0.0, 0.0, 0.0), 0.0);
}

TEST(BallTrackerTest, StillBallIsPredictedForAHundredUnseenCyclesLostInTheNextAndRestartedByASighting) {
    BallTracker tracker;
    const perception::VisibleBall seen = ballAt({2.0, 0.0, BALL_HEIGHT});
    tracker.update(STANDING_STILL, &seen);

    for (int cycle = 1; cycle <= BallTracker::MAX_FRAMES_WITHOUT_BALL; ++cycle) {
        tracker.update(STANDING_STILL);
        ASSERT_FALSE(tracker.hasLostBall()) << "unseen cycle " << cycle;
    }
    expectNear(tracker.getPosition(), Pose2D(0.0, 2.0, 0.0), 0.01);
    tracker.update(STANDING_STILL);
    EXPECT_TRUE(tracker.hasLostBall());
    expectNear(tracker.getPosition(), Pose2D(0.0, 0.0, 0.0), 0.0);

    const perception::VisibleBall again = ballAt({-1.0, 3.0, BALL_HEIGHT});
    tracker.update(STANDING_STILL, &again);

    EXPECT_FALSE(tracker.hasLostBall());
    expectNear(tracker.getPosition(), Pose2D(0.0, -1.0, 3.0), 1e-3);
    EXPECT_EQ(unseenCyclesUntilLost(tracker, STANDING_STILL, 200), 101);
}

TEST(BallTrackerTest, SpeedRuleDropsAFastUnseenBallFromTheEleventhCycleUnlessItComesCloser) {
    struct Case {
        const char* description;
        Vector3<double> velocity;
        int lostAtUnseenCycle;
    };
    const Case cases[] = {
        {"rolling away", {2.0, 0.0, 0.0}, 11},         {"coming towards the robot", {-2.0, 0.0, 0.0}, 101},
        {"crossing to the left", {0.0, 2.0, 0.0}, 11}, {"crossing to the right", {0.0, -2.0, 0.0}, 11},
        {"rolling away slowly", {1.0, 0.0, 0.0}, 101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        BallTracker tracker;
        Vector3<double> ball(3.0, 0.0, BALL_HEIGHT);
        watchRolling(tracker, ball, c.velocity, 50);
        ASSERT_NEAR(tracker.getVelocity().translation.x, c.velocity.x, 0.01);
        ASSERT_NEAR(tracker.getVelocity().translation.y, c.velocity.y, 0.01);

        EXPECT_EQ(unseenCyclesUntilLost(tracker, STANDING_STILL, 200), c.lostAtUnseenCycle);
    }
}

TEST(BallTrackerTest, OdometryCarriesTheUnseenBallIntoTheRobotsNewFrame) {
    struct Case {
        const char* description;
        Pose2D odometry;
        double x;
        double y;
    };
    const Vector3<double> ball(2.0, 1.0, BALL_HEIGHT);
    // The estimate turns by the opposite of the robot's turn, then shifts by the opposite of its step.
    const Case cases[] = {
        {"turn left", Pose2D(0.1, 0.0, 0.0), 2.0 * std::cos(0.1) + std::sin(0.1), -2.0 * std::sin(0.1) + std::cos(0.1)},
        {"turn right", Pose2D(-0.1, 0.0, 0.0), 2.0 * std::cos(0.1) - std::sin(0.1),
         2.0 * std::sin(0.1) + std::cos(0.1)},
        {"quarter turn", Pose2D(MathUtils::PI / 2, 0.0, 0.0), 1.0, -2.0},
        {"step forward", Pose2D(0.0, 0.1, 0.0), 1.9, 1.0},
        {"step to the right", Pose2D(0.0, 0.0, -0.05), 2.0, 1.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        BallTracker tracker;
        Vector3<double> seen = ball;
        watchRolling(tracker, seen, Vector3<double>(), 20);

        tracker.update(c.odometry);

        expectNear(tracker.getPosition(), Pose2D(0.0, c.x, c.y), 1e-3);
    }
}

TEST(BallTrackerTest, ConvergesOnTheTruthUnderCameraNoise) {
    struct Case {
        const char* description;
        Vector3<double> start;
        Vector3<double> velocity;
        Pose2D odometry;
    };
    const Case cases[] = {
        {"still ball, robot standing", {4.0, -1.0, BALL_HEIGHT}, {}, STANDING_STILL},
        {"rolling ball, robot standing", {1.0, -1.0, BALL_HEIGHT}, {1.0, 0.5, 0.0}, STANDING_STILL},
        {"still ball, robot walking and turning", {6.0, 2.0, BALL_HEIGHT}, {}, Pose2D(0.003, 0.01, 0.002)},
    };
    constexpr int CYCLES = 400;
    constexpr int AVERAGED = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        MathUtils::generator.seed(5489u);
        testing::NoisyCamera camera;
        BallTracker tracker;
        Vector3<double> ball = c.start;
        Vector3<double> meanError;
        Vector3<double> meanVelocityError;

        for (int cycle = 0; cycle < CYCLES; ++cycle) {
            ball = testing::afterRobotMoved(ball + c.velocity * 0.02, c.odometry);
            const perception::VisibleBall seen = ballAt(camera.see(ball));
            tracker.update(c.odometry, &seen);
            const Pose2D position = tracker.getPosition();
            const Pose2D velocity = tracker.getVelocity();
            const Vector3<double> error(position.translation.x - ball.x, position.translation.y - ball.y, 0.0);
            if (cycle >= CYCLES - AVERAGED) {
                // Never further off than four standard deviations of the distance reading.
                EXPECT_LT(error.norm(), 4.0 * testing::NoisyCamera::DISTANCE_ERROR_PER_METRE * ball.norm());
                meanError += error * (1.0 / AVERAGED);
                meanVelocityError +=
                    Vector3<double>(velocity.translation.x - c.velocity.x, velocity.translation.y - c.velocity.y, 0.0) *
                    (1.0 / AVERAGED);
            }
        }

        EXPECT_LT(meanError.norm(), 0.05);
        EXPECT_LT(meanVelocityError.norm(), 0.25);
        EXPECT_FALSE(tracker.hasLostBall());
    }
}

TEST(BallTrackerTest, SightingWithoutAFinitePositionCountsAsUnseen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Vector3<double> broken[] = {{nan, 1.0, 0.0}, {1.0, nan, 0.0}, {infinity, 0.0, 0.0}};
    for (const Vector3<double>& position : broken) {
        for (const bool seenBefore : {false, true}) {
            BallTracker tracker;
            BallTracker unseen;
            if (seenBefore) {
                const perception::VisibleBall first = ballAt({2.0, 0.5, BALL_HEIGHT});
                tracker.update(STANDING_STILL, &first);
                unseen.update(STANDING_STILL, &first);
            }
            const perception::VisibleBall seen = ballAt(position);
            const Pose2D odometry(0.05, 0.01, 0.0);

            tracker.update(odometry, &seen);
            unseen.update(odometry);

            EXPECT_EQ(tracker.hasLostBall(), unseen.hasLostBall());
            EXPECT_EQ(tracker.getPosition(), unseen.getPosition());
            EXPECT_EQ(tracker.getVelocity(), unseen.getVelocity());
        }
    }
}

TEST(BallTrackerTest, RandomCyclesNeverGiveNaN) {
    MathUtils::generator.seed(5489u);
    auto uniform = MathUtils::getUniformRandomGenerator(0.0, 1.0);
    auto position = MathUtils::getUniformRandomGenerator(-30.0, 30.0);
    auto step = MathUtils::getUniformRandomGenerator(-0.3, 0.3);
    BallTracker tracker;

    for (int cycle = 0; cycle < 5000; ++cycle) {
        const Pose2D odometry(step(), step(), step());
        if (uniform() < 0.5) {
            const perception::VisibleBall seen = ballAt({position(), position(), position()});
            tracker.update(odometry, &seen);
        } else {
            tracker.update(odometry);
        }

        ASSERT_TRUE(std::isfinite(tracker.getPosition().translation.x)) << "cycle " << cycle;
        ASSERT_TRUE(std::isfinite(tracker.getPosition().translation.y)) << "cycle " << cycle;
        ASSERT_TRUE(std::isfinite(tracker.getVelocity().translation.x)) << "cycle " << cycle;
        ASSERT_TRUE(std::isfinite(tracker.getVelocity().translation.y)) << "cycle " << cycle;
    }
}

TEST(BallTrackerTest, CyclesAllocateNothing) {
    if (!testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    BallTracker tracker;
    const perception::VisibleBall near = ballAt({1.0, 0.5, BALL_HEIGHT});
    const perception::VisibleBall far = ballAt({6.0, -2.0, BALL_HEIGHT});
    const Pose2D walking(0.01, 0.02, 0.0);
    // The first correction sizes the filter's buffers.
    tracker.update(walking, &near);
    tracker.update(walking, &far);
    const long before = testing::AllocationCounter::count();

    for (int round = 0; round < 3; ++round) {
        for (int cycle = 0; cycle < 20; ++cycle) {
            tracker.update(walking, cycle % 2 == 0 ? &near : &far);
        }
        // Through the speed rule or the count to a loss, then back.
        for (int cycle = 0; cycle < 120; ++cycle) {
            tracker.update(walking);
        }
    }

    EXPECT_EQ(testing::AllocationCounter::count() - before, 0);
}

} // namespace
} // namespace state_estimation
} // namespace modeling
