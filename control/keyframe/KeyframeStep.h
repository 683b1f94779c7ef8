#ifndef CONTROL_KEYFRAME_KEYFRAMESTEP_H
#define CONTROL_KEYFRAME_KEYFRAMESTEP_H

#include "representations/NaoJoints.h"

namespace control {
namespace keyframe {

/// One pose of a keyframe page and the time to reach it.
struct KeyframeStep {
    /// Radians, in the motion engines' joint directions (the measured angles
    /// times NaoJoints::getNaoDirectionsFixing()).
    representations::NaoJoints joints;
    /// Seconds from the previous pose; for a page's first step, from the pose
    /// the body is in when the page starts.
    double duration = 0.0;
};

} // namespace keyframe
} // namespace control

#endif
