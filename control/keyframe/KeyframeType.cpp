#include "control/keyframe/KeyframeType.h"

namespace control {
namespace keyframe {

const std::vector<std::string>& KeyframeType::getRequestedPages() {
    static const std::vector<std::string> names = {
        TEST,
        INIT,
        PREPARE_FOR_KICK,
        STAND_UP_FROM_BACK,
        STAND_UP_FROM_FRONT,
        MOVE_ARM_TO_FALL_BACK,
        KICK_RIGHT_LEG,
        KICK_LEFT_LEG,
        CATCH_RIGHT,
        CATCH_LEFT,
        HOCKEY,
        FALL_BACK,
        FALL_FRONT,
        FALL_RIGHT_SIDE,
        FAST_KICK,
        BEST_KICK,
        SECONDARY_KICK,
        SHORT_DISTANCE_5M_KICK,
        LONG_DISTANCE_20M_KICK,
    };
    return names;
}

} // namespace keyframe
} // namespace control
