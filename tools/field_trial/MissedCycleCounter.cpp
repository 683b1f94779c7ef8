#include "tools/field_trial/MissedCycleCounter.h"

#include "representations/MarlowindsConstants.h"

#include <algorithm>
#include <cmath>

namespace tools {
namespace field_trial {

void MissedCycleCounter::observe(double serverTime) {
    ++messagesSinceTime;
    if (!(serverTime > lastTime)) {
        return;
    }
    if (lastTime > 0.0) {
        const double excess =
            (serverTime - lastTime) / representations::MarlowindsConstants::SAMPLE_TIME - messagesSinceTime;
        // Half a cycle long is a misread hundredth; a whole one is a missed cycle.
        missed += static_cast<int>(std::max(0.0, std::floor(excess + 0.25)));
    }
    lastTime = serverTime;
    messagesSinceTime = 0;
}

} // namespace field_trial
} // namespace tools
