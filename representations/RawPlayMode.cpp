#include "representations/RawPlayMode.h"

namespace representations {

const std::map<std::string, RawPlayMode::RAW_PLAY_MODE> RawPlayMode::fromStringToRawPlayMode = {
    {"BeforeKickOff", BEFORE_KICK_OFF},
    {"KickOff_Left", KICK_OFF_LEFT},
    {"KickOff_Right", KICK_OFF_RIGHT},
    {"PlayOn", PLAY_ON},
    {"KickIn_Left", KICK_IN_LEFT},
    {"KickIn_Right", KICK_IN_RIGHT},
    {"corner_kick_left", CORNER_KICK_LEFT},
    {"corner_kick_right", CORNER_KICK_RIGHT},
    {"goal_kick_left", GOAL_KICK_LEFT},
    {"goal_kick_right", GOAL_KICK_RIGHT},
    {"offside_left", OFFSIDE_LEFT},
    {"offside_right", OFFSIDE_RIGHT},
    {"GameOver", GAME_OVER},
    {"Goal_Left", GOAL_LEFT},
    {"Goal_Right", GOAL_RIGHT},
    {"free_kick_left", FREE_KICK_LEFT},
    {"free_kick_right", FREE_KICK_RIGHT},
    {"direct_free_kick_left", DIRECT_FREE_KICK_LEFT},
    {"direct_free_kick_right", DIRECT_FREE_KICK_RIGHT},
    {"pass_left", PASS_LEFT},
    {"pass_right", PASS_RIGHT},
    {"NONE", NONE},
};

} // namespace representations
