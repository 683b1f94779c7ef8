#ifndef TOOLS_LOCALIZATION_HARNESS_SCENARIO_H
#define TOOLS_LOCALIZATION_HARNESS_SCENARIO_H

#include "marlowinds_lib/math/Pose2D.h"
#include "representations/PlaySide.h"

#include <string>
#include <vector>

namespace tools {
namespace localization_harness {

/// What the robot's camera reports in a stretch of a scenario.
enum class VisionMode {
    FULL,       ///< flags, goal posts and field lines
    LINES_ONLY, ///< field lines only
    BLIND,      ///< nothing
};

/// A stretch of a scenario: the robot moves at a constant velocity (turning
/// speed in rad/s, forward and leftward speed in m/s, in its own frame).
struct Segment {
    int cycles = 0;
    marlowinds_lib::math::Pose2D velocity;
    VisionMode vision = VisionMode::FULL;
    /// The robot is carried to kidnapTo when the stretch starts, without any odometry telling.
    bool kidnap = false;
    marlowinds_lib::math::Pose2D kidnapTo;
};

/// A true path of the robot in its own field frame (own goal at x = -15), on one side of the field.
struct Scenario {
    std::string name;
    representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT;
    marlowinds_lib::math::Pose2D start;
    std::vector<Segment> segments;
    /// Seeds the scenario's own random engine (odometry and vision noise).
    unsigned seed = 1;

    int totalCycles() const {
        int total = 0;
        for (const Segment& segment : segments) {
            total += segment.cycles;
        }
        return total;
    }
};

} // namespace localization_harness
} // namespace tools

#endif
