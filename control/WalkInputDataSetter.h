#ifndef CONTROL_WALKINPUTDATASETTER_H
#define CONTROL_WALKINPUTDATASETTER_H

#include "control/walking/OmnidirectionalWalkZMP.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace control {

/// What a walk request may pass its input to: the walk engine, the agent's own
/// global pose and a flag of the walk state. Built by the walk state each cycle.
struct WalkInputDataSetter {
    WalkInputDataSetter(walking::OmnidirectionalWalkZMP& walk, const marlowinds_lib::math::Pose2D& position, bool& flag)
        : walk(walk), position(position), flag(flag) {}

    walking::OmnidirectionalWalkZMP& walk;
    marlowinds_lib::math::Pose2D position;
    bool& flag;
};

} // namespace control

#endif
