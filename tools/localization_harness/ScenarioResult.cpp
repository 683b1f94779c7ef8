#include "tools/localization_harness/ScenarioResult.h"

#include <cmath>
#include <cstdio>

namespace tools {
namespace localization_harness {

namespace {

constexpr double DEGREES_PER_RADIAN = 57.29577951308232;

std::string cyclesText(int cycles) { return cycles == ScenarioResult::NEVER ? "never" : std::to_string(cycles); }

} // namespace

std::string ScenarioResult::tableHeader() {
    char line[256];
    std::snprintf(line, sizeof line, "%-10s %-5s %6s | %7s %7s %7s | %7s %7s | %8s %8s | %3s", "scenario", "side",
                  "cycles", "rms m", "p95 m", "max m", "rms deg", "max deg", "converge", "recover", "NaN");
    return line;
}

std::string ScenarioResult::tableRow() const {
    char line[256];
    std::snprintf(line, sizeof line, "%-10s %-5s %6d | %7.3f %7.3f %7.3f | %7.2f %7.2f | %8s %8s | %3d", name.c_str(),
                  side == representations::PlaySide::LEFT ? "left" : "right", cycles, positionRms, position95,
                  positionMax, headingRms * DEGREES_PER_RADIAN, headingMax * DEGREES_PER_RADIAN,
                  cyclesText(convergeCycles).c_str(), kidnapped ? cyclesText(recoverCycles).c_str() : "-", nanCycles);
    return line;
}

} // namespace localization_harness
} // namespace tools
