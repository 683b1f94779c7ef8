#ifndef TOOLS_LOCALIZATION_HARNESS_SCENARIOGENERATOR_H
#define TOOLS_LOCALIZATION_HARNESS_SCENARIOGENERATOR_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "tools/localization_harness/Scenario.h"
#include "tools/localization_harness/SimulatedVision.h"

#include <boost/random/mersenne_twister.hpp>

#include <cstddef>
#include <string>

namespace tools {
namespace localization_harness {

/// One 20 ms cycle of a scenario: where the robot truly is, the odometry the
/// walk reports for the cycle, and the vision message when one arrives.
struct Frame {
    int cycle = 0;
    marlowinds_lib::math::Pose2D truth;
    control::walking::OdometryDistribution odometry;
    /// The "(See ...)" group, empty in cycles without vision.
    std::string vision;
    /// The robot was carried off at the start of this cycle.
    bool kidnapped = false;
};

/// Plays a scenario cycle by cycle, with noise from a random engine of its own
/// seeded by the scenario: the true path, the walk's odometry (a few percent
/// off in scale, with noise inside the deviations it reports) and vision every
/// third cycle.
class ScenarioGenerator {
public:
    static constexpr double CYCLE = 0.02;
    static constexpr int VISION_PERIOD = 3;
    /// The walk reports this much more displacement than it makes.
    static constexpr double ODOMETRY_SCALE_ERROR = 0.03;

    explicit ScenarioGenerator(Scenario scenario);

    /// The next cycle; false when the scenario is over.
    bool next(Frame& frame);

private:
    void reportOdometry(const marlowinds_lib::math::Pose2D& displacement, Frame& frame);

    Scenario scenario;
    boost::random::mt19937 engine;
    SimulatedVision vision;
    marlowinds_lib::math::Pose2D truth;
    std::size_t segment = 0;
    int cycleInSegment = 0;
    int cycle = 0;
};

} // namespace localization_harness
} // namespace tools

#endif
