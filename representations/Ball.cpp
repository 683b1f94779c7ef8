#include "representations/Ball.h"

#include <cmath>

namespace representations {

marlowinds_lib::math::Pose2D& Ball::getPosition() {
    if (std::isnan(position.rotation) || std::isnan(position.translation.x) || std::isnan(position.translation.y)) {
        position = marlowinds_lib::math::Pose2D(INVALID_POSITION, INVALID_POSITION, INVALID_POSITION);
    }
    return position;
}

} // namespace representations
