#include "tools/localization_harness/ScenarioGenerator.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <boost/random/normal_distribution.hpp>

#include <cmath>
#include <utility>

namespace tools {
namespace localization_harness {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

namespace {

/// The deviation the walk reports for a displacement component: a floor plus a tenth of it.
double reportedSigma(double floor, double displacement) { return floor + 0.1 * std::abs(displacement); }

} // namespace

ScenarioGenerator::ScenarioGenerator(Scenario scenario)
    : scenario(std::move(scenario)), engine(this->scenario.seed), vision(engine), truth(this->scenario.start) {}

bool ScenarioGenerator::next(Frame& frame) {
    while (segment < scenario.segments.size() && cycleInSegment >= scenario.segments[segment].cycles) {
        ++segment;
        cycleInSegment = 0;
    }
    if (segment >= scenario.segments.size()) {
        return false;
    }
    const Segment& current = scenario.segments[segment];
    frame.cycle = cycle;
    frame.kidnapped = current.kidnap && cycleInSegment == 0;
    if (frame.kidnapped) {
        truth = current.kidnapTo;
    }

    const Pose2D displacement(current.velocity.rotation * CYCLE, current.velocity.translation * CYCLE);
    truth = Pose2D(MathUtils::normalizeAngle(truth.rotation + displacement.rotation),
                   truth.translation + displacement.translation.rotate(truth.rotation));
    frame.truth = truth;
    reportOdometry(displacement, frame);

    frame.vision.clear();
    if (cycle % VISION_PERIOD == 0 && current.vision != VisionMode::BLIND) {
        frame.vision = vision.see(truth, scenario.side, current.vision == VisionMode::FULL);
    }
    ++cycleInSegment;
    ++cycle;
    return true;
}

void ScenarioGenerator::reportOdometry(const Pose2D& displacement, Frame& frame) {
    control::walking::OdometryDistribution& odometry = frame.odometry;
    odometry.sigmaRotation = reportedSigma(0.001, displacement.rotation);
    odometry.sigmaX = reportedSigma(0.0005, displacement.translation.x);
    odometry.sigmaY = reportedSigma(0.0005, displacement.translation.y);
    // The true error stays well inside what the walk reports.
    boost::random::normal_distribution<double> unit;
    const double scale = 1.0 + ODOMETRY_SCALE_ERROR;
    const double rotationNoise = 0.5 * odometry.sigmaRotation * unit(engine);
    const double xNoise = 0.5 * odometry.sigmaX * unit(engine);
    const double yNoise = 0.5 * odometry.sigmaY * unit(engine);
    odometry.mean = Pose2D(displacement.rotation * scale + rotationNoise, displacement.translation.x * scale + xNoise,
                           displacement.translation.y * scale + yNoise);
}

} // namespace localization_harness
} // namespace tools
