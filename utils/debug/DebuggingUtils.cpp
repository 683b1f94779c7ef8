#include "utils/debug/DebuggingUtils.h"

#include <cmath>
#include <iostream>

namespace utils {

bool isPose2DNotANumber(const marlowinds_lib::math::Pose2D& pose) {
    bool notANumber = false;
    if (std::isnan(pose.translation.x)) {
        std::cout << "(DebbugingUtils) translation.x is nan" << std::endl;
        notANumber = true;
    }
    if (std::isnan(pose.translation.y)) {
        std::cout << "(DebbugingUtils) translation.y is nan" << std::endl;
        notANumber = true;
    }
    if (std::isnan(pose.rotation)) {
        std::cout << "(DebbugingUtils) Rotation is nan" << std::endl;
        notANumber = true;
    }
    return notANumber;
}

} // namespace utils
