#ifndef CONTROL_KEYFRAME_LINEARKEYFRAMEPAGE_H
#define CONTROL_KEYFRAME_LINEARKEYFRAMEPAGE_H

#include "control/keyframe/SteppedKeyframePage.h"

namespace control {
namespace keyframe {

/// Moves every joint at constant speed from one pose to the next.
class LinearKeyframePage : public SteppedKeyframePage {
public:
    using SteppedKeyframePage::SteppedKeyframePage;

protected:
    representations::NaoJoints interpolate(std::size_t segment, double scaledTime) const override;
};

} // namespace keyframe
} // namespace control

#endif
