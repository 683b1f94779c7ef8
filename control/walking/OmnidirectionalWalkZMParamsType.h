#ifndef CONTROL_WALKING_OMNIDIRECTIONALWALKZMPARAMSTYPE_H
#define CONTROL_WALKING_OMNIDIRECTIONALWALKZMPARAMSTYPE_H

#include <array>
#include <string>

namespace control {
namespace walking {

/// Names of the twelve walk parameter sets, which also index the navigation parameter sets.
enum class OmnidirectionalWalkZMParamsType : int {
    NORMAL = 0,
    PRECISE = 1,
    CONDUCT = 2,
    TURN = 3,
    SPRINT = 4,
    CIRCLE = 5,
    CONDUCT_TURN = 6,
    TURN_CONDUCT = 7,
    SPRINT_TURN = 8,
    TURN_SPRINT = 9,
    CONDUCT_SPRINT = 10,
    SPRINT_CONDUCT = 11,
};

/// The set names as configuration keys and file stems, indexed by the enumeration's value.
inline constexpr std::array<const char*, 12> OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES = {
    "normal",       "precise",      "conduct",     "turn",        "sprint",         "circle",
    "conduct-turn", "turn-conduct", "sprint-turn", "turn-sprint", "conduct-sprint", "sprint-conduct",
};

/// The set whose configuration key is name; false, with type unchanged, for any other name.
inline bool omnidirectionalWalkZMParamsTypeFromName(std::string const& name, OmnidirectionalWalkZMParamsType& type) {
    for (std::size_t i = 0; i < OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES.size(); ++i) {
        if (name == OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES[i]) {
            type = static_cast<OmnidirectionalWalkZMParamsType>(i);
            return true;
        }
    }
    return false;
}

} // namespace walking
} // namespace control

#endif
