#include "decision_making/behavior/KickTargetSelector.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/RecordingDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::DrawCall;
using testing::HandBuiltModeling;
using testing::RecordingDrawing;
using Access = HandBuiltModeling::Access;

constexpr int OWN_NUMBER = 9;
const Vector2<double> GOAL(15.0, 0.0);

Vector2<double> positionOf(const DrawCall& call) { return {call.values[0], call.values[1]}; }

class KickTargetSelectorTest : public ::testing::Test {
protected:
    KickTargetSelectorTest() { Access::setTeammate(models.world(), 2, Pose2D(0.0, -5.0, -5.0)); }

    /// One selection with the ball there.
    void selectWithBallAt(double x, double y) {
        Access::setBall(models.world(), Pose2D(0.0, x, y));
        Access::refreshPlayerLists(models.world());
        drawing.calls.clear();
        selector.select(models.modeling);
    }

    HandBuiltModeling models{OWN_NUMBER};
    RecordingDrawing drawing;
    KickTargetSelector selector;
};

TEST_F(KickTargetSelectorTest, NearTheirGoalTheTargetIsItsCentreAndNothingIsDrawn) {
    selectWithBallAt(15.0 - 6.99, 0.0);

    EXPECT_EQ(selector.getTarget(), GOAL);
    EXPECT_TRUE(selector.isGoalKick());
    EXPECT_EQ(selector.getClosestPlayer(), OWN_NUMBER);
    EXPECT_TRUE(drawing.calls.empty());

    selectWithBallAt(15.0 - 7.0, 0.0); // exactly 7 m: the fan is evaluated
    EXPECT_FALSE(drawing.of("point").empty());
}

TEST_F(KickTargetSelectorTest, TheTargetIsTheDrawnInFieldCandidateNearestTheirGoal) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-15.0, 8.0);
    std::uniform_real_distribution<double> y(-10.0, 10.0);
    for (int round = 0; round < 200; ++round) {
        // First from the centre spot, whence the goal's centre itself is a candidate.
        const Vector2<double> ball = round == 0 ? Vector2<double>() : Vector2<double>(x(random), y(random));
        selectWithBallAt(ball.x, ball.y);

        const std::vector<DrawCall> points = drawing.of("point");
        ASSERT_FALSE(points.empty()) << ball.x << ", " << ball.y;
        float darkest = 1.0f;
        float brightest = 0.0f;
        double rightmost = 0.0;
        double leftmost = 0.0;
        for (const DrawCall& point : points) {
            const Vector2<double> position = positionOf(point);
            EXPECT_TRUE(std::fabs(position.x) <= 15.0 + 1e-5 && std::fabs(position.y) <= 10.0 + 1e-5);
            EXPECT_GE(position.distance(ball), 7.0 - 1e-4);
            EXPECT_LE(position.distance(ball), 18.0 + 1e-4);
            EXPECT_GE(position.distance(GOAL), selector.getTarget().distance(GOAL) - 1e-4);
            EXPECT_EQ(point.values[4], point.values[5]); // grey
            darkest = std::min(darkest, point.values[4]);
            brightest = std::max(brightest, point.values[4]);
            const double bearing = MathUtils::normalizeAngle((position - ball).angle() - (GOAL - ball).angle());
            rightmost = std::min(rightmost, bearing);
            leftmost = std::max(leftmost, bearing);
        }
        EXPECT_EQ(darkest, 0.0f);
        EXPECT_EQ(brightest, 1.0f);
        // The fan reaches 8 steps to the right of the goal's direction, only 7 to its left.
        EXPECT_GE(rightmost, -8 * KickTargetSelector::DELTA_ANGLE - 1e-6);
        EXPECT_LE(leftmost, 7 * KickTargetSelector::DELTA_ANGLE + 1e-6);
        // The target alone is ringed, in red with thickness value 1, and the drawing shown.
        const std::vector<DrawCall> circles = drawing.of("circle");
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_NEAR(positionOf(circles[0]).distance(selector.getTarget()), 0.0, 1e-5);
        EXPECT_EQ(std::vector<float>(circles[0].values.begin() + 2, circles[0].values.end()),
                  (std::vector<float>{0.2f, 1.0f, 1.0f}));
        EXPECT_EQ(drawing.calls.back().shape + " " + drawing.calls.back().set, "swap kickTargets");
        EXPECT_EQ(selector.isGoalKick(), selector.getTarget().distance(GOAL) <= 2.0);
        if (round == 0) {
            EXPECT_EQ(selector.getTarget(), GOAL);
            EXPECT_NEAR(rightmost, -8 * KickTargetSelector::DELTA_ANGLE, 1e-6);
            EXPECT_NEAR(leftmost, 7 * KickTargetSelector::DELTA_ANGLE, 1e-6);
        }
    }
}

TEST_F(KickTargetSelectorTest, ALoneCandidateIsDrawnAsTheBest) {
    selectWithBallAt(-33.0, 0.0); // only the farthest point straight ahead reaches the field, on the end line

    const std::vector<DrawCall> points = drawing.of("point");
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].values, (std::vector<float>{-15.0f, 0.0f, 0.0f, 10.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(selector.getTarget(), Vector2<double>(-15.0, 0.0));
    EXPECT_FALSE(selector.isGoalKick());
}

TEST_F(KickTargetSelectorTest, WithoutAnInFieldCandidateTheTargetStaysAndTheDrawingIsStillShown) {
    selectWithBallAt(100.0, 100.0);
    EXPECT_EQ(selector.getTarget(), Vector2<double>(0.0, 0.0));

    selectWithBallAt(0.0, 0.0);
    selectWithBallAt(100.0, 100.0);

    EXPECT_EQ(selector.getTarget(), GOAL);
    EXPECT_TRUE(selector.isGoalKick());
    ASSERT_EQ(drawing.calls.size(), 1u);
    EXPECT_EQ(drawing.calls[0].shape, "swap");
}

TEST_F(KickTargetSelectorTest, APenaltyKeepsItsSideOnTheGoalLine) {
    Access::forgetTeammate(models.world(), 2);
    selectWithBallAt(0.0, 0.0);
    const Vector2<double> first = selector.getTarget();

    EXPECT_EQ(first.x, 15.0);
    EXPECT_EQ(std::fabs(first.y), 0.6000000238418579 * 2.1 / 2.0);
    EXPECT_TRUE(selector.isGoalKick());
    EXPECT_EQ(selector.getClosestPlayer(), OWN_NUMBER);
    EXPECT_TRUE(drawing.calls.empty());
    for (const double ballX : {-10.0, 12.0}) {
        selectWithBallAt(ballX, 3.0);
        EXPECT_EQ(selector.getTarget(), first);
    }
    // A teammate in between does not make the side be drawn again.
    Access::setTeammate(models.world(), 2, Pose2D(0.0, -5.0, -5.0));
    selectWithBallAt(0.0, 0.0);
    EXPECT_EQ(selector.getTarget(), GOAL);
    Access::forgetTeammate(models.world(), 2);
    selectWithBallAt(0.0, 0.0);
    EXPECT_EQ(selector.getTarget(), first);
}

} // namespace
} // namespace behavior
} // namespace decision_making
