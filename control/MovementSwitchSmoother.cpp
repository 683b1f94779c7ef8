#include "control/MovementSwitchSmoother.h"

namespace control {

representations::NaoJoints MovementSwitchSmoother::smooth(const representations::NaoJoints& current) const {
    const representations::NaoJoints difference = target - current;
    const double norm = difference.lInfiniteNorm();
    if (norm <= MAXIMUM_JOINT_DISPLACEMENT) {
        return target;
    }
    // Scaling the whole difference by one factor makes every joint arrive in the same call.
    return current + difference * (MAXIMUM_JOINT_DISPLACEMENT / norm);
}

} // namespace control
