#ifndef TOOLS_LOCALIZATION_HARNESS_SCENARIOCATALOGUE_H
#define TOOLS_LOCALIZATION_HARNESS_SCENARIOCATALOGUE_H

#include "tools/localization_harness/Scenario.h"

#include <vector>

namespace tools {
namespace localization_harness {

/// The standard scenarios: standing, walking a path, turning on the spot, near
/// a corner, lines only, kidnapped and blind for a while, each on both sides.
class ScenarioCatalogue {
public:
    ScenarioCatalogue() = delete;

    static std::vector<Scenario> standardScenarios();
    static std::vector<Scenario> standardScenarios(representations::PlaySide::PLAY_SIDE side);
};

} // namespace localization_harness
} // namespace tools

#endif
