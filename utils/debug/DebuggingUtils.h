#ifndef UTILS_DEBUG_DEBUGGINGUTILS_H
#define UTILS_DEBUG_DEBUGGINGUTILS_H

#include "marlowinds_lib/math/Pose2D.h"

namespace utils {

/// True when any part of the pose is NaN; names each such part on the standard output.
bool isPose2DNotANumber(const marlowinds_lib::math::Pose2D& pose);

} // namespace utils

#endif
