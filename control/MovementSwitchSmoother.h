#ifndef CONTROL_MOVEMENTSWITCHSMOOTHER_H
#define CONTROL_MOVEMENTSWITCHSMOOTHER_H

#include "representations/NaoJoints.h"

namespace control {

/// Moves a posture towards a target posture by a bounded step per call, along
/// a straight line in joint space, so that a new movement does not start with
/// a jump from wherever the previous one left the body.
class MovementSwitchSmoother {
public:
    /// The largest step of one call (10 degrees), in the largest joint but the neck.
    static constexpr double MAXIMUM_JOINT_DISPLACEMENT = 0.17453292519943295;

    MovementSwitchSmoother() = default;
    virtual ~MovementSwitchSmoother() = default;

    void set(const representations::NaoJoints& target) { this->target = target; }
    /// current moved towards the target; the neck joints move by the same
    /// fraction of their own difference.
    representations::NaoJoints smooth(const representations::NaoJoints& current) const;

private:
    representations::NaoJoints target;
};

} // namespace control

#endif
