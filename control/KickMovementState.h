#ifndef CONTROL_KICKMOVEMENTSTATE_H
#define CONTROL_KICKMOVEMENTSTATE_H

#include "control/MovementState.h"

namespace control {

/// Kicks with the right foot, after first moving the body into the kick's
/// starting pose, until the kick is over.
class KickMovementState : public MovementState<KickMovementState> {
public:
    explicit KickMovementState(my_context context) : MovementState(context) {}

    void control(perception::Perception& perception, modeling::Modeling& modeling) override;
    bool hasFinished() const override { return machine().kick.hasKicked(); }
};

} // namespace control

#endif
