#ifndef TOOLS_LOCALIZATION_HARNESS_SCENARIORESULT_H
#define TOOLS_LOCALIZATION_HARNESS_SCENARIORESULT_H

#include "representations/PlaySide.h"

#include <string>

namespace tools {
namespace localization_harness {

/// The accuracy figures of one scenario run.
struct ScenarioResult {
    /// A cycle count for something that never happened.
    static constexpr int NEVER = -1;

    std::string name;
    representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT;
    int cycles = 0;
    /// Position error (metres) over the scored cycles.
    double positionRms = 0.0;
    double position95 = 0.0;
    double positionMax = 0.0;
    /// Heading error (radians) over the scored cycles.
    double headingRms = 0.0;
    double headingMax = 0.0;
    /// Cycles from the start until the estimate has converged, or NEVER.
    int convergeCycles = NEVER;
    bool kidnapped = false;
    /// Cycles from the kidnap until the estimate has converged again, or NEVER.
    int recoverCycles = NEVER;
    /// Cycles whose estimate held a NaN.
    int nanCycles = 0;

    static std::string tableHeader();
    std::string tableRow() const;
};

} // namespace localization_harness
} // namespace tools

#endif
