#ifndef CONTROL_WALKMODE_H
#define CONTROL_WALKMODE_H

#include "control/walking/OmnidirectionalWalkZMParamsType.h"

namespace control {

/// Walk mode of a walk request. The six plain modes select the walk parameter set of the same name; STOP and
/// the blends select none. Numbered unlike walking::OmnidirectionalWalkZMParamsType, which has no STOP.
enum class WalkMode : int {
    NORMAL = 0,
    PRECISE = 1,
    STOP = 2,
    CONDUCT = 3,
    TURN = 4,
    SPRINT = 5,
    CIRCLE = 6,
    CONDUCT_TURN = 7,
    TURN_CONDUCT = 8,
    SPRINT_TURN = 9,
    TURN_SPRINT = 10,
    CONDUCT_SPRINT = 11,
    SPRINT_CONDUCT = 12,
};

/// The walk parameter set that the mode selects; false, with set unchanged,
/// for STOP and the blends, with which the walk keeps the set it is using.
inline bool selectsWalkParams(WalkMode mode, walking::OmnidirectionalWalkZMParamsType& set) {
    using Set = walking::OmnidirectionalWalkZMParamsType;
    constexpr struct {
        WalkMode mode;
        Set set;
    } PLAIN_MODES[] = {{WalkMode::NORMAL, Set::NORMAL},   {WalkMode::PRECISE, Set::PRECISE},
                       {WalkMode::CONDUCT, Set::CONDUCT}, {WalkMode::TURN, Set::TURN},
                       {WalkMode::SPRINT, Set::SPRINT},   {WalkMode::CIRCLE, Set::CIRCLE}};
    for (const auto& plain : PLAIN_MODES) {
        if (plain.mode == mode) {
            set = plain.set;
            return true;
        }
    }
    return false;
}

} // namespace control

#endif
