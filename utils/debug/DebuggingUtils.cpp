#include "utils/debug/DebuggingUtils.h"

#include <cmath>
#include <iostream>

namespace utils {

bool isPose2DNotANumber(const marlowinds_lib::math::Pose2D& pose) {
    const struct {
        double value;
        const char* name;
    } parts[] = {
        {pose.translation.x, "translation.x"}, {pose.translation.y, "translation.y"}, {pose.rotation, "Rotation"}};
    bool notANumber = false;
    for (const auto& part : parts) {
        if (std::isnan(part.value)) {
            std::cout << "(DebbugingUtils) " << part.name << " is nan" << std::endl;
            notANumber = true;
        }
    }
    return notANumber;
}

} // namespace utils
