#ifndef CONTROL_WALKMOVEMENTSTATE_H
#define CONTROL_WALKMOVEMENTSTATE_H

#include "control/MovementState.h"
#include "control/WalkRequest.h"

#include <memory>

namespace control {

/// Walks at the velocity and in the mode of each cycle's walk request, after
/// first moving the body into the walk's starting pose. A request of another
/// kind makes the walk take its closing steps; the movement ends when the
/// walk has stopped, and the other request takes effect only if it is given
/// again after that.
class WalkMovementState : public MovementState<WalkMovementState> {
public:
    explicit WalkMovementState(my_context context) : MovementState(context) {}

    using MovementState::react;
    boost::statechart::result react(const SetMovementEvent& event);

    void control(perception::Perception& perception, modeling::Modeling& modeling) override;
    bool hasFinished() const override { return machine().walk.hasStopped(); }

private:
    /// The walk's set, precise mode and velocity from the cycle's request.
    void applyRequest(modeling::Modeling& modeling);

    /// Handed to the walk request with the walk; nothing reads it.
    bool walkInputFlag = false;
    std::shared_ptr<WalkRequest> request;
};

} // namespace control

#endif
