#ifndef REPRESENTATIONS_PLAYSIDE_H
#define REPRESENTATIONS_PLAYSIDE_H

#include <string>

namespace representations {

/// The side of the field the agent's team plays on.
class PlaySide {
public:
    /// UNKNOWN until the server has told the agent its side.
    enum PLAY_SIDE : int {
        LEFT = 0,
        RIGHT = 1,
        UNKNOWN = 2,
    };

    /// "Left", "Right", or "Unknown" for any other value.
    static std::string toString(PLAY_SIDE side);
};

} // namespace representations

#endif
