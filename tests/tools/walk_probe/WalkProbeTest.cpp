#include "tools/walk_probe/WalkProbe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tools {
namespace walk_probe {
namespace {

TEST(WalkProbeTest, ReportsEveryStepAndTheJointsThatLeaveTheirRange) {
    // Crouched this low, the trailing ankle of a 0.6 m/s walk bends past its 75 degrees.
    const WalkProbe crouched({0.2, 0.28, 0.025, 0.2, 0.055, 0.5});
    const ProbeRun run = crouched.run({0.0, 0.6, 0.0}, 100, 50);
    std::ostringstream report;
    crouched.print(run, report);
    for (const std::string& line :
         std::vector<std::string>{"step 1 cycle 0 walking, left foot swings, velocity 0 rad/s 0.2 m/s forward",
                                  "first-closing-step", "joint RLJ5 left its range [-45, 75] degrees",
                                  " cycles, stopped, " + std::to_string(run.violations.size()) + " joint targets"}) {
        EXPECT_NE(report.str().find(line), std::string::npos) << line << "\n" << report.str();
    }
    EXPECT_FALSE(run.violations.empty());
}

} // namespace
} // namespace walk_probe
} // namespace tools
