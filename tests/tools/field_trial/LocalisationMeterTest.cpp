#include "tools/field_trial/LocalisationMeter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tools {
namespace field_trial {
namespace {

using marlowinds_lib::math::Pose2D;
using representations::PlaySide;

constexpr double CYCLE = 0.02;

/// A walk straight along x at 0.5 m/s from (-3, 1), facing +x; a step every 10 cycles.
Pose2D truePose(int cycle) { return Pose2D(0.0, -3.0 + 0.5 * CYCLE * cycle, 1.0); }

TrueBody truthOf(const Pose2D& pose, double time) {
    TrueBody truth;
    truth.known = true;
    truth.time = time;
    truth.heading = pose.rotation;
    truth.position = {pose.translation.x, pose.translation.y, 0.35};
    return truth;
}

struct Walked {
    Pose2D estimateError;     // added to the true pose in the player's frame
    double odometryScale = 1; // of the true displacement
    PlaySide::PLAY_SIDE side = PlaySide::LEFT;
    int truthDelay = 0;           // cycles the truth arrives late
    double truthClockError = 0.0; // s the monitor's clock is off from the player's
};

/// The figures of a walk whose estimate is judged, or of one whose odometry alone is.
TrialFigures measure(const Walked& run, bool estimateJudged = true) {
    LocalisationMeter meter(200);
    for (int cycle = 0; cycle < 200; ++cycle) {
        Pose2D own = truePose(cycle);
        if (run.side == PlaySide::RIGHT) {
            own = Pose2D(M_PI, -own.translation.x, -own.translation.y);
        }
        BelievedPose believed;
        believed.time = cycle * CYCLE;
        believed.estimate =
            Pose2D(own.rotation + run.estimateError.rotation, own.translation + run.estimateError.translation);
        believed.odometry = Pose2D(0.0, 0.5 * CYCLE * run.odometryScale, 0.0);
        believed.stepBegan = cycle % 10 == 0;
        believed.side = run.side;
        // The monitor reports every other cycle.
        const int reported = (cycle - run.truthDelay) / 2 * 2;
        meter.observe(believed, truthOf(truePose(reported), reported * CYCLE + run.truthClockError));
    }
    TrialFigures figures;
    if (estimateJudged) {
        meter.fill(figures);
    } else {
        meter.fillOdometry(figures);
    }
    return figures;
}

TEST(LocalisationMeterTest, TheEstimateIsComparedWithTheTruthOfTheSameTimeOnEitherSide) {
    const struct {
        Walked run;
        double positionRms;
        double headingRmsDegrees;
    } cases[] = {
        {{}, 0.0, 0.0},
        {{Pose2D(0.0, 0.3, -0.4)}, 0.5, 0.0},
        {{Pose2D(0.1, 0.0, 0.0)}, 0.0, 0.1 * 180.0 / M_PI},
        {{Pose2D(), 1.0, PlaySide::RIGHT}, 0.0, 0.0},
        {{Pose2D(0.0, 0.3, -0.4), 1.0, PlaySide::RIGHT, 1}, 0.5, 0.0},
        {{Pose2D(), 1.0, PlaySide::LEFT, 2}, 0.0, 0.0},
        {{Pose2D(0.0, 0.3, -0.4), 1.0, PlaySide::LEFT, 0, 0.001}, 0.5, 0.0},
        {{Pose2D(0.1, 0.0, 0.0), 1.0, PlaySide::RIGHT, 1, -0.001}, 0.0, 0.1 * 180.0 / M_PI},
    };
    for (const auto& c : cases) {
        const TrialFigures figures = measure(c.run);
        ASSERT_TRUE(figures.positionRms.has_value());
        EXPECT_NEAR(*figures.positionRms, c.positionRms, 1e-9);
        EXPECT_NEAR(*figures.positionP95, c.positionRms, 1e-9);
        EXPECT_NEAR(*figures.headingRms, c.headingRmsDegrees, 1e-9);
    }
}

TEST(LocalisationMeterTest, EachStepsOdometryIsSetAgainstTheTrueDisplacement) {
    for (const double scale : {1.0, 1.2}) {
        for (const double clockError : {0.0, -0.001, 0.001}) {
            const bool estimateJudged = clockError == 0.0;
            const TrialFigures figures = measure({Pose2D(), scale, PlaySide::LEFT, 0, clockError}, estimateJudged);
            EXPECT_EQ(figures.positionRms.has_value(), estimateJudged);
            // Twenty steps begin; the first opens the count and the last closes none.
            ASSERT_EQ(figures.odometrySteps.size(), 19u);
            for (const OdometryStep& step : figures.odometrySteps) {
                EXPECT_NEAR(step.truth.translation.x, 0.1, 1e-9);
                EXPECT_NEAR(step.odometry.translation.x, 0.1 * scale, 1e-9);
                EXPECT_NEAR(step.odometry.translation.y, 0.0, 1e-12);
            }
            EXPECT_NEAR(*figures.odometryTranslationRms, 0.1 * (scale - 1.0), 1e-9);
            EXPECT_NEAR(*figures.odometryRotationRms, 0.0, 1e-9);
        }
    }
}

TEST(LocalisationMeterTest, WithoutATruthNothingIsMeasured) {
    LocalisationMeter meter(10);
    BelievedPose believed;
    for (int cycle = 0; cycle < 10; ++cycle) {
        believed.time = cycle * CYCLE;
        meter.observe(believed, TrueBody());
    }
    TrialFigures figures;
    meter.fill(figures);
    EXPECT_FALSE(figures.positionRms.has_value());
    EXPECT_FALSE(figures.odometryTranslationRms.has_value());
    EXPECT_TRUE(figures.odometrySteps.empty());
}

} // namespace
} // namespace field_trial
} // namespace tools
