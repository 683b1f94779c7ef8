#include "tools/localization_harness/ScenarioGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tools {
namespace localization_harness {
namespace {

using marlowinds_lib::math::Pose2D;

Segment segment(int cycles, const Pose2D& velocity, VisionMode vision) {
    Segment result;
    result.cycles = cycles;
    result.velocity = velocity;
    result.vision = vision;
    return result;
}

TEST(ScenarioGeneratorTest, PlaysTheSegmentsWithVisionEveryThirdCycle) {
    Scenario scenario;
    scenario.start = Pose2D(0, -5, 0);
    scenario.segments = {segment(6, Pose2D(0, 1, 0), VisionMode::FULL),
                         segment(6, Pose2D(0, 1, 0), VisionMode::LINES_ONLY),
                         segment(6, Pose2D(0, 1, 0), VisionMode::BLIND)};
    ScenarioGenerator generator(scenario);
    Frame frame;
    int cycles = 0;
    while (generator.next(frame)) {
        SCOPED_TRACE(::testing::Message() << "cycle " << frame.cycle);
        EXPECT_EQ(frame.cycle, cycles);
        EXPECT_NEAR(frame.truth.translation.x, -5 + 0.02 * (cycles + 1), 1e-9);
        const bool visionCycle = cycles % ScenarioGenerator::VISION_PERIOD == 0;
        EXPECT_EQ(!frame.vision.empty(), visionCycle && cycles < 12);
        if (!frame.vision.empty()) {
            EXPECT_EQ(frame.vision.find("(F") != std::string::npos, cycles < 6);
            EXPECT_NE(frame.vision.find("(L"), std::string::npos);
        }
        ++cycles;
    }
    EXPECT_EQ(cycles, scenario.totalCycles());
}

TEST(ScenarioGeneratorTest, OdometryIsOffByItsScaleErrorAndInsideItsDeviations) {
    Scenario scenario;
    scenario.segments = {segment(2000, Pose2D(0.5, 0.4, -0.1), VisionMode::BLIND)};
    ScenarioGenerator generator(scenario);
    Frame frame;
    double sumX = 0.0;
    int cycles = 0;
    while (generator.next(frame)) {
        sumX += frame.odometry.mean.translation.x;
        EXPECT_LT(std::abs(frame.odometry.mean.translation.x - 0.008 * 1.03), 3 * frame.odometry.sigmaX);
        EXPECT_LT(std::abs(frame.odometry.mean.rotation - 0.01 * 1.03), 3 * frame.odometry.sigmaRotation);
        ++cycles;
    }
    // Four standard errors of the mean; the scale error itself is 2.4e-4.
    EXPECT_NEAR(sumX / cycles, 0.008 * (1 + ScenarioGenerator::ODOMETRY_SCALE_ERROR), 6e-5);
}

TEST(ScenarioGeneratorTest, AKidnapCarriesTheRobotOffWithoutOdometry) {
    Scenario scenario;
    scenario.start = Pose2D(0, -5, 0);
    Segment kidnap = segment(3, Pose2D(), VisionMode::FULL);
    kidnap.kidnap = true;
    kidnap.kidnapTo = Pose2D(1.0, 6, 4);
    scenario.segments = {segment(3, Pose2D(), VisionMode::FULL), kidnap};
    ScenarioGenerator generator(scenario);
    Frame frame;
    int kidnaps = 0;
    while (generator.next(frame)) {
        kidnaps += frame.kidnapped ? 1 : 0;
        EXPECT_EQ(frame.kidnapped, frame.cycle == 3);
        EXPECT_LT(std::abs(frame.odometry.mean.translation.x), 0.01);
    }
    EXPECT_EQ(kidnaps, 1);
    EXPECT_EQ(frame.truth, Pose2D(1.0, 6, 4));
}

} // namespace
} // namespace localization_harness
} // namespace tools
