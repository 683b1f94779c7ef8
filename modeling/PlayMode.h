#ifndef MODELING_PLAYMODE_H
#define MODELING_PLAYMODE_H

#include "representations/PlaySide.h"

namespace modeling {

/// The play mode in the agent's own terms: the server's left/right pairs become
/// own/their, with the same numbering as the server's modes.
class PlayMode {
public:
    enum PLAY_MODE : int {
        BEFORE_KICK_OFF = 0,
        OWN_KICK_OFF = 1,
        THEIR_KICK_OFF = 2,
        PLAY_ON = 3,
        OWN_KICK_IN = 4,
        THEIR_KICK_IN = 5,
        OWN_CORNER_KICK = 6,
        THEIR_CORNER_KICK = 7,
        OWN_GOAL_KICK = 8,
        THEIR_GOAL_KICK = 9,
        OWN_OFFSIDE = 10,
        THEIR_OFFSIDE = 11,
        GAME_OVER = 12,
        /// The own team scored.
        OWN_GOAL = 13,
        THEIR_GOAL = 14,
        OWN_FREE_KICK = 15,
        THEIR_FREE_KICK = 16,
        OWN_DIRECT_FREE_KICK = 17,
        THEIR_DIRECT_FREE_KICK = 18,
        OWN_PASS = 19,
        THEIR_PASS = 20,
        NONE = 21,
    };

    /// A raw (left/right) mode seen from the side: left keeps it, right and
    /// unknown swap own and their. Values outside the server's modes give NONE.
    static PLAY_MODE fromRawPlayMode(int rawPlayMode, representations::PlaySide::PLAY_SIDE side);
};

} // namespace modeling

#endif
