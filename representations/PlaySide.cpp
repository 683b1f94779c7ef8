#include "representations/PlaySide.h"

namespace representations {

std::string PlaySide::toString(PLAY_SIDE side) {
    switch (side) {
    case LEFT:
        return "Left";
    case RIGHT:
        return "Right";
    default:
        return "Unknown";
    }
}

} // namespace representations
