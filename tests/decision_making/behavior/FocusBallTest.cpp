#include "decision_making/behavior/FocusBall.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

constexpr double DEGREE = MathUtils::PI / 180.0;

class FocusBallTest : public ::testing::Test {
protected:
    FocusBallTest() : models(2) { Access::setSelfPose(models.world(), Pose2D(0.0, -5.0, 0.0)); }

    /// A ball straight ahead of the agent at that distance.
    void ballAhead(double distance, bool relevant = true) {
        Access::setBall(models.world(), Pose2D(0.0, -5.0 + distance, 0.0), relevant);
    }

    const control::LookRequest& cycle(double time) {
        models.perceive(time);
        focus.behave(models.modeling);
        return *focus.getLookRequest();
    }

    double cameraHeight() { return models.modeling.getAgentModel().getFromCameraToRootTransform().translation.z; }

    HandBuiltModeling models;
    FocusBall focus;
};

TEST_F(FocusBallTest, ScanSweepsFromLeftToRightAndBackWithTheTiltAlternatingFromSweepToSweep) {
    ballAhead(5.0);
    // Quarter-second cycles keep the clock exact. A sweep ends in the first
    // cycle past 4 s, which still uses the old tilt.
    const struct {
        double time;
        double pan; // degrees
        double tilt;
    } table[] = {
        {10.0, 60.0, -40.0},  {11.0, 0.0, -40.0},    {12.0, -60.0, -40.0}, {14.0, 60.0, -40.0},   {14.25, 55.43, -40.0},
        {14.5, 55.43, -20.0}, {16.25, -60.0, -20.0}, {18.5, 55.43, -20.0}, {18.75, 55.43, -40.0}, {20.5, -60.0, -40.0},
    };
    std::size_t row = 0;
    for (double time = 10.0; row < std::size(table); time += 0.25) {
        const control::LookRequest& look = cycle(time);
        EXPECT_EQ(focus.getMovementRequest(), nullptr);
        if (time == table[row].time) {
            EXPECT_NEAR(look.getPan(), table[row].pan * DEGREE, 0.01) << "at " << time;
            EXPECT_NEAR(look.getTilt(), table[row].tilt * DEGREE, 1e-9) << "at " << time;
            ++row;
        }
    }
}

TEST_F(FocusBallTest, TracksARelevantBallUpToOneAndAHalfMetres) {
    const struct {
        double distance;
        bool relevant;
        bool tracks;
    } table[] = {{1.0, true, true}, {1.5, true, true}, {1.51, true, false}, {2.0, true, false}, {0.5, false, false}};
    for (const auto& row : table) {
        ballAhead(row.distance, row.relevant);
        FocusBall fresh;
        models.perceive(3.0);
        fresh.behave(models.modeling);

        EXPECT_EQ(fresh.isBetterScan(models.modeling), !row.tracks) << row.distance;
        const double expectedTilt = row.tracks ? std::atan2(-cameraHeight(), row.distance) : -40.0 * DEGREE;
        EXPECT_NEAR(fresh.getLookRequest()->getTilt(), expectedTilt, 1e-9) << row.distance;
        EXPECT_NEAR(fresh.getLookRequest()->getPan(), row.tracks ? 0.0 : 60.0 * DEGREE, 1e-9) << row.distance;
    }
}

TEST_F(FocusBallTest, EverySwitchBetweenScanningAndTrackingRestartsTheSweep) {
    ballAhead(5.0);
    for (double time = 0.0; time <= 4.25; time += 0.25) {
        cycle(time); // one whole sweep: the next one uses the upper tilt
    }
    ASSERT_GT(cameraHeight(), 0.1); // the tilt below depends on it
    cycle(5.0);
    ballAhead(1.0);
    EXPECT_NEAR(cycle(5.25).getPan(), 0.0, 1e-9);
    EXPECT_NEAR(cycle(6.0).getTilt(), std::atan2(-cameraHeight(), 1.0), 1e-9);

    ballAhead(3.0);
    const control::LookRequest& restarted = cycle(7.0);
    EXPECT_NEAR(restarted.getPan(), 60.0 * DEGREE, 1e-9);
    EXPECT_NEAR(restarted.getTilt(), -20.0 * DEGREE, 1e-9);
    EXPECT_NEAR(cycle(8.0).getPan(), 0.0, 1e-9);
}

TEST_F(FocusBallTest, TrackingPanIsTheBallsBearingWrappedIntoAHalfTurnEitherWay) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(-MathUtils::PI, MathUtils::PI);
    std::uniform_real_distribution<double> distance(0.1, 1.5);
    for (int i = 0; i < 200; ++i) {
        const double rotation = angle(random);
        const double bearing = angle(random);
        const double r = distance(random);
        Access::setSelfPose(models.world(), Pose2D(rotation, 2.0, -3.0));
        Access::setBall(models.world(), Pose2D(0.0, 2.0 + r * std::cos(bearing), -3.0 + r * std::sin(bearing)));

        const double pan = cycle(1.0 + 0.02 * i).getPan();

        EXPECT_GE(pan, -MathUtils::PI);
        EXPECT_LE(pan, MathUtils::PI);
        EXPECT_NEAR(std::cos(pan), std::cos(bearing - rotation), 1e-9);
        EXPECT_NEAR(std::sin(pan), std::sin(bearing - rotation), 1e-9);
    }
}

} // namespace
} // namespace behavior
} // namespace decision_making
