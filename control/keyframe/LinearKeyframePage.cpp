#include "control/keyframe/LinearKeyframePage.h"

namespace control {
namespace keyframe {

representations::NaoJoints LinearKeyframePage::interpolate(std::size_t segment, double scaledTime) const {
    const auto& steps = getSteps();
    const auto& from = steps[segment].joints;
    if (segment + 1 >= steps.size()) {
        return from;
    }
    // A step that takes no time is never the one interpolated towards: its
    // time equals the previous one, so the segment has already moved past it.
    const KeyframeStep& to = steps[segment + 1];
    return from + (to.joints - from) * ((scaledTime - getStepTimes()[segment]) / to.duration);
}

} // namespace keyframe
} // namespace control
