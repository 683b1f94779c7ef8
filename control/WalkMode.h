#ifndef CONTROL_WALKMODE_H
#define CONTROL_WALKMODE_H

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

} // namespace control

#endif
