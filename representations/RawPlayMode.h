#ifndef REPRESENTATIONS_RAWPLAYMODE_H
#define REPRESENTATIONS_RAWPLAYMODE_H

#include <map>
#include <string>

namespace representations {

/// The play mode as the server names it, from the field's point of view (left/right team).
class RawPlayMode {
public:
    enum RAW_PLAY_MODE : int {
        BEFORE_KICK_OFF = 0,
        KICK_OFF_LEFT = 1,
        KICK_OFF_RIGHT = 2,
        PLAY_ON = 3,
        KICK_IN_LEFT = 4,
        KICK_IN_RIGHT = 5,
        CORNER_KICK_LEFT = 6,
        CORNER_KICK_RIGHT = 7,
        GOAL_KICK_LEFT = 8,
        GOAL_KICK_RIGHT = 9,
        OFFSIDE_LEFT = 10,
        OFFSIDE_RIGHT = 11,
        GAME_OVER = 12,
        GOAL_LEFT = 13,
        GOAL_RIGHT = 14,
        FREE_KICK_LEFT = 15,
        FREE_KICK_RIGHT = 16,
        DIRECT_FREE_KICK_LEFT = 17,
        DIRECT_FREE_KICK_RIGHT = 18,
        PASS_LEFT = 19,
        PASS_RIGHT = 20,
        NONE = 21,
    };

    /// The server's texts and "NONE", each with its mode.
    static const std::map<std::string, RAW_PLAY_MODE> fromStringToRawPlayMode;
};

} // namespace representations

#endif
