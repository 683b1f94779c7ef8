#include "tools/localization_harness/ScenarioCatalogue.h"

namespace tools {
namespace localization_harness {

using marlowinds_lib::math::Pose2D;
using representations::PlaySide;

namespace {

constexpr int SECOND = 50;

Segment walk(double seconds, const Pose2D& velocity, VisionMode vision = VisionMode::FULL) {
    Segment segment;
    segment.cycles = static_cast<int>(seconds * SECOND);
    segment.velocity = velocity;
    segment.vision = vision;
    return segment;
}

Segment stand(double seconds, VisionMode vision = VisionMode::FULL) { return walk(seconds, Pose2D(), vision); }

Segment kidnapped(const Pose2D& to, double seconds, const Pose2D& velocity) {
    Segment segment = walk(seconds, velocity);
    segment.kidnap = true;
    segment.kidnapTo = to;
    return segment;
}

} // namespace

std::vector<Scenario> ScenarioCatalogue::standardScenarios() {
    std::vector<Scenario> all = standardScenarios(PlaySide::LEFT);
    for (Scenario& scenario : standardScenarios(PlaySide::RIGHT)) {
        all.push_back(std::move(scenario));
    }
    return all;
}

std::vector<Scenario> ScenarioCatalogue::standardScenarios(PlaySide::PLAY_SIDE side) {
    // The paths stay inside the field; the seeds differ per side so that the
    // two sides do not share their noise.
    const unsigned sideSeed = side == PlaySide::LEFT ? 100u : 200u;
    std::vector<Scenario> scenarios = {
        {"standing", side, Pose2D(0.3, -5, 2), {stand(10)}, sideSeed + 1},
        {"walking",
         side,
         Pose2D(0.2, -10, -3),
         {walk(8, Pose2D(0.1, 0.4, 0)), walk(2, Pose2D(0.5, 0.1, 0)), walk(6, Pose2D(-0.1, 0.3, 0.1)),
          walk(4, Pose2D(-0.3, 0.35, 0))},
         sideSeed + 2},
        {"turning", side, Pose2D(0, 4, -3), {walk(12, Pose2D(0.8, 0, 0))}, sideSeed + 3},
        {"corner",
         side,
         Pose2D(2.356, -13, 8),
         {stand(4), walk(2, Pose2D(0.25, 0, 0)), walk(4, Pose2D(-0.25, 0, 0)), walk(2, Pose2D(0.25, 0, 0))},
         sideSeed + 4},
        {"lines_only",
         side,
         Pose2D(0.5, -6, -4),
         {walk(3, Pose2D(0, 0.3, 0)), walk(15, Pose2D(0.15, 0.3, 0), VisionMode::LINES_ONLY)},
         sideSeed + 5},
        {"kidnapped",
         side,
         Pose2D(0, -8, 0),
         {walk(6.02, Pose2D(0, 0.3, 0)), kidnapped(Pose2D(-2.0, 5, 5), 10, Pose2D(0.1, 0.3, 0))},
         sideSeed + 6},
        {"blind",
         side,
         Pose2D(-0.4, -6, 5),
         {walk(4, Pose2D(0, 0.4, 0)), walk(4, Pose2D(0.2, 0.4, 0), VisionMode::BLIND), walk(4, Pose2D(0, 0.4, 0))},
         sideSeed + 7},
    };
    return scenarios;
}

} // namespace localization_harness
} // namespace tools
