#include "tools/odometry_fit/OdometryFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace tools {
namespace odometry_fit {
namespace {

using marlowinds_lib::math::Pose2D;

/// The true x, y and rotation over the odometry's.
using Scales = std::array<double, 3>;
const Scales KNOWN = {0.8, 0.9, 0.82};

/// Steps that go forward or back, sideways and turn at random, with zero-mean noise of the given size on the truth.
field_trial::TrialFigures walk(int body, const Scales& scales, double noise, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> motion(-0.1, 0.1);
    std::normal_distribution<double> error(0.0, noise > 0.0 ? noise : 1.0);
    const auto truth = [&](std::size_t axis, double odometry) {
        return scales[axis] * odometry + (noise > 0.0 ? error(random) : 0.0);
    };
    field_trial::TrialFigures trial;
    trial.body = body;
    trial.falls = 0.0;
    for (int step = 0; step < 400; ++step) {
        const double x = motion(random);
        const double y = motion(random) / 2.0;
        const double rotation = motion(random) * 2.0;
        trial.odometrySteps.push_back({Pose2D(rotation, x, y), Pose2D(truth(2, rotation), truth(0, x), truth(1, y))});
    }
    return trial;
}

/// The scales on the diagonal, nothing else: no cross terms, no bias, no weight on the precise flag.
void expectScales(const graph_generator::OdometryCalibration& calibration, const Scales& scales, double tolerance) {
    for (std::size_t output = 0; output < 3; ++output) {
        EXPECT_EQ(calibration.bias[output], 0.0);
        for (std::size_t input = 0; input < 4; ++input) {
            const double expected = input == output + 1 ? scales[output] : 0.0;
            EXPECT_NEAR(calibration.weights[output][input], expected, tolerance) << output << ", " << input;
        }
    }
}

TEST(OdometryFitTest, RecoversKnownScalesOverEveryBodyTypeLeavingTheNoise) {
    for (const double noise : {0.0, 0.002}) {
        SCOPED_TRACE(noise);
        OdometryFit fit;
        for (int body = 0; body <= 4; ++body) {
            EXPECT_TRUE(fit.addTrial(walk(body, KNOWN, noise, 10U + static_cast<unsigned>(body))));
        }
        EXPECT_EQ(fit.getSteps(), 2000u);
        const auto calibration = fit.solve();
        expectScales(calibration, KNOWN, noise > 0.0 ? 0.01 : 1e-12);
        for (const int body : {-1, 0, 4}) {
            for (const double error : fit.rmsErrors(calibration, body)) {
                EXPECT_NEAR(error, noise, noise * 0.15 + 1e-12) << "body " << body;
            }
        }
    }
}

TEST(OdometryFitTest, TrialsThatFailedOrFellAreLeftOut) {
    field_trial::TrialFigures fell = walk(1, {3.0, -1.0, 1.0}, 0.0, 2);
    fell.falls = 1.0;
    field_trial::TrialFigures failed = walk(3, {3.0, -1.0, 1.0}, 0.0, 3);
    failed.failure = "crashed";
    OdometryFit fit;
    EXPECT_TRUE(fit.addTrial(walk(0, KNOWN, 0.0, 1)));
    EXPECT_FALSE(fit.addTrial(fell));
    EXPECT_FALSE(fit.addTrial(failed));
    EXPECT_EQ(fit.getSteps(), 400u);
    expectScales(fit.solve(), KNOWN, 1e-12);
}

TEST(OdometryFitTest, StepsThatDoNotMoveInEveryDirectionAreRefusedNamingIt) {
    // Steps that sway sideways by less than a centimetre, turn by less than 0.05 rad, or do not go forward.
    const struct {
        std::size_t axis;
        double largest;
        const char* direction;
    } cases[] = {{1, 0.009, "sideways"}, {2, 0.04, "turning"}, {0, 0.0, "forward or back"}};
    for (const auto& c : cases) {
        field_trial::TrialFigures trial = walk(0, KNOWN, 0.0, 4);
        for (field_trial::OdometryStep& step : trial.odometrySteps) {
            double& component = c.axis == 0   ? step.odometry.translation.x
                                : c.axis == 1 ? step.odometry.translation.y
                                              : step.odometry.rotation;
            component = std::clamp(component, -c.largest, c.largest);
        }
        OdometryFit fit;
        fit.addTrial(trial);
        try {
            fit.solve();
            ADD_FAILURE() << c.direction << ": fitted";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.direction), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(OdometryFit().solve(), std::runtime_error);
}

} // namespace
} // namespace odometry_fit
} // namespace tools
