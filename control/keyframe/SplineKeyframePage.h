#ifndef CONTROL_KEYFRAME_SPLINEKEYFRAMEPAGE_H
#define CONTROL_KEYFRAME_SPLINEKEYFRAMEPAGE_H

#include "control/keyframe/SteppedKeyframePage.h"
#include "marlowinds_lib/math/SplineInterpolator.h"

#include <vector>

namespace control {
namespace keyframe {

/// Moves each joint along the natural cubic spline through its angles at the
/// step times, so the body passes its poses without stopping.
class SplineKeyframePage : public SteppedKeyframePage {
public:
    /// Throws std::invalid_argument also for a step after the first that takes
    /// no time: the spline needs its knots one after the other.
    SplineKeyframePage(std::string name, double speedRate, std::vector<KeyframeStep> steps);

protected:
    representations::NaoJoints interpolate(std::size_t segment, double scaledTime) const override;

private:
    /// One per joint, in HINGE_JOINTS order.
    std::vector<marlowinds_lib::math::SplineInterpolator> splines;
};

} // namespace keyframe
} // namespace control

#endif
