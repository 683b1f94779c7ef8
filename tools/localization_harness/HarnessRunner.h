#ifndef TOOLS_LOCALIZATION_HARNESS_HARNESSRUNNER_H
#define TOOLS_LOCALIZATION_HARNESS_HARNESSRUNNER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "tools/localization_harness/Scenario.h"
#include "tools/localization_harness/ScenarioResult.h"

#include <vector>

namespace tools {
namespace localization_harness {

/// Feeds a scenario to the agent's own localizer (300 particles, default
/// parameters) through the agent's parser and vision perceptor, and measures
/// its accuracy against the true path.
///
/// Errors are scored from SETTLE_CYCLES after the start and after a kidnap on.
/// The estimate has converged in the first cycle from which it stays within
/// CONVERGED_POSITION and CONVERGED_HEADING of the truth for CONVERGED_CYCLES.
class HarnessRunner {
public:
    static constexpr int SETTLE_CYCLES = 100;
    static constexpr double CONVERGED_POSITION = 0.25;
    static constexpr double CONVERGED_HEADING = 0.1;
    static constexpr int CONVERGED_CYCLES = 25;

    HarnessRunner() = delete;

    /// Reseeds the process-wide engine and rand() first, so that a run is reproducible.
    static ScenarioResult run(const Scenario& scenario);

    /// The figures from per-cycle errors; kidnapCycle is negative without a kidnap.
    static ScenarioResult measure(const std::vector<double>& positionErrors, const std::vector<double>& headingErrors,
                                  int kidnapCycle);

private:
    /// The first cycle from start on from which the estimate stays converged, or NEVER.
    static int convergedFrom(const std::vector<double>& positionErrors, const std::vector<double>& headingErrors,
                             int start);
};

} // namespace localization_harness
} // namespace tools

#endif
