#include "decision_making/behavior/DribbleBall.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

double degrees(double value) { return MathUtils::degreesToRadians(value); }

/// With the ball on the centre spot and nobody near it, the dribble goes straight at their goal (+x).
class DribbleBallTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setTeammate(models.world(), 11, Pose2D(0.0, -14.0, 9.0));
        placeBall(Vector2<double>(0.0, 0.0));
    }

    void placeBall(const Vector2<double>& ball) {
        Access::setBall(models.world(), Pose2D(0.0, ball));
        Access::refreshPlayerLists(models.world());
    }

    /// The agent at that distance from the ball, the ball at ballError off the
    /// dribble direction as seen from it, its heading headingError off that direction.
    void placeAgent(double distance, double ballError, double headingError) {
        const Vector2<double> ball = models.world().getBall().getPosition().translation;
        Access::setSelfPose(
            models.world(),
            Pose2D(headingError, ball - Vector2<double>(std::cos(ballError), std::sin(ballError)) * distance));
        Access::refreshPlayerLists(models.world());
    }

    /// The dribble direction (radians) at the ball as it lies.
    double direction() {
        return dribble.calculateDribbleDirection(models.world().getBall().getPosition().translation, models.modeling)
            .angle();
    }

    HandBuiltModeling models{7};
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // the factory reads formations
    BehaviorFactory factory;
    DribbleBall& dribble = *factory.getDribbleBall();
};

TEST_F(DribbleBallTest, StartsAndStopsDribblingWithHysteresis) {
    ASSERT_NEAR(direction(), 0.0, 1e-12);
    const struct {
        double distance, ballError, headingError;
        int from, to;
    } table[] = {
        {0.25, 19.0, 39.0, DribbleBall::POSITIONING, DribbleBall::DRIBBLING},
        {0.25, 20.01, 39.0, DribbleBall::POSITIONING, DribbleBall::POSITIONING},
        {0.25, 19.0, 40.01, DribbleBall::POSITIONING, DribbleBall::POSITIONING},
        {0.31, 5.0, 5.0, DribbleBall::POSITIONING, DribbleBall::POSITIONING},
        {0.25, 29.0, 59.0, DribbleBall::DRIBBLING, DribbleBall::DRIBBLING},
        {0.25, 31.0, 5.0, DribbleBall::DRIBBLING, DribbleBall::POSITIONING},
        {0.31, 5.0, 5.0, DribbleBall::DRIBBLING, DribbleBall::POSITIONING},
        // A bad heading stops the dribble only away from the ball.
        {0.08, 5.0, 70.0, DribbleBall::DRIBBLING, DribbleBall::DRIBBLING},
        {0.12, 5.0, 70.0, DribbleBall::DRIBBLING, DribbleBall::POSITIONING},
    };
    for (const auto& row : table) {
        // Into the state the row starts from.
        placeAgent(0.1, 0.0, 0.0);
        dribble.updateDribbleState(models.modeling);
        if (row.from == DribbleBall::POSITIONING) {
            placeAgent(1.0, 0.0, 0.0);
            dribble.updateDribbleState(models.modeling);
        }
        ASSERT_EQ(dribble.getDribbleState(), row.from);

        placeAgent(row.distance, degrees(row.ballError), degrees(row.headingError));
        dribble.updateDribbleState(models.modeling);
        EXPECT_EQ(dribble.getDribbleState(), row.to)
            << row.distance << " m, ball " << row.ballError << ", heading " << row.headingError;
    }
}

TEST_F(DribbleBallTest, OnlyPlayersNearTheBallAndAwayFromTheirGoalSteerTheDribble) {
    const struct {
        Vector2<double> ball;
        bool opponent; // else a teammate
        double distance;
        bool steers;
    } table[] = {
        {{10.1, 0.0}, true, 1.9, false}, // the ball 4.9 m from their goal
        {{9.9, 0.0}, true, 1.9, true},   {{0.0, 0.0}, true, 1.99, true},   {{0.0, 0.0}, true, 2.01, false},
        {{0.0, 0.0}, false, 0.99, true}, {{0.0, 0.0}, false, 1.01, false},
    };
    for (const auto& row : table) {
        placeBall(row.ball);
        const double alone = direction();
        const Pose2D player(0.0, row.ball + Vector2<double>(0.6, 0.8) * row.distance);
        if (row.opponent) {
            Access::setOpponent(models.world(), 5, player);
        } else {
            Access::setTeammate(models.world(), 5, player);
        }
        placeBall(row.ball);
        EXPECT_EQ(std::fabs(direction() - alone) > 1e-9, row.steers) << row.ball.x << ", " << row.distance;
        Access::forgetOpponent(models.world(), 5);
        Access::forgetTeammate(models.world(), 5);
    }
}

TEST_F(DribbleBallTest, WithinTwoMetresOfTheirGoalItPullsThreeTimesAsHard) {
    // In the goal's lane, where only the goal pulls.
    const double near = dribble.calculateDribbleDirection(Vector2<double>(13.1, 0.0), models.modeling).norm();
    const double far = dribble.calculateDribbleDirection(Vector2<double>(13.0, 0.0), models.modeling).norm();
    EXPECT_NEAR(near, 3.0 * far, 1e-9);
}

TEST_F(DribbleBallTest, TheBallIsOutNearTheirEndLineOutsideTheGoal) {
    const struct {
        Vector2<double> ball;
        bool out;
    } table[] = {{{13.5, 1.2}, true}, {{13.5, -1.2}, true}, {{13.5, 1.0}, false}, {{12.9, 3.0}, false}};
    for (const auto& row : table) {
        placeBall(row.ball);
        EXPECT_EQ(dribble.checkBallOut(models.modeling), row.out) << row.ball.x << ", " << row.ball.y;
    }
}

TEST_F(DribbleBallTest, WhilePositioningItCirclesCloseToTheBallAndRunsBehindItFromFarther) {
    const auto walkOf = [this](const Pose2D& pose) {
        Access::setSelfPose(models.world(), pose);
        dribble.behave(models.modeling);
        EXPECT_EQ(dribble.getDribbleState(), DribbleBall::POSITIONING);
        return dynamic_cast<const control::WalkRequest&>(*dribble.getMovementRequest()).getVelocity();
    };
    // Close to an uncontested ball: circling.
    walkOf(Pose2D(degrees(90.0), 0.0, -0.2));
    EXPECT_EQ(dribble.getMovementRequest(), factory.getCircleBall()->getMovementRequest());

    // Farther behind the ball: straight to the point 6 cm behind it.
    const Pose2D behind(0.0, -0.7, 0.3);
    EXPECT_NEAR(walkOf(behind).translation.angle(), (Vector2<double>(-0.06, 0.0) - behind.translation).angle(), 1e-9);
    EXPECT_EQ(dribble.getMovementRequest(), factory.getNavigatePosition()->getMovementRequest());

    // Ahead of that point: to the ball itself.
    const Pose2D ahead((Vector2<double>(-0.3, 0.5)).angle(), 0.3, -0.5); // facing the ball
    EXPECT_NEAR(walkOf(ahead).translation.angle(), 0.0, 1e-9);

    // An opponent at the ball: the run behind it even from close by.
    Access::setOpponent(models.world(), 3, Pose2D(0.0, 0.5, 0.0));
    placeBall(Vector2<double>(0.0, 0.0));
    const Pose2D close(0.0, -0.15, 0.2);
    const Vector2<double> target = dribble.calculatePosBehindBall(0.06, models.modeling);
    EXPECT_NEAR(walkOf(close).translation.angle(), (target - close.translation).angle(), 1e-9);
}

} // namespace
} // namespace behavior
} // namespace decision_making
