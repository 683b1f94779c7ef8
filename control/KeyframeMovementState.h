#ifndef CONTROL_KEYFRAMEMOVEMENTSTATE_H
#define CONTROL_KEYFRAMEMOVEMENTSTATE_H

#include "control/KeyframeRequest.h"
#include "control/MovementState.h"

#include <memory>

namespace control {

/// Plays the requested keyframe page until the page has finished.
class KeyframeMovementState : public MovementState<KeyframeMovementState> {
public:
    explicit KeyframeMovementState(my_context context) : MovementState(context) {}

    void control(perception::Perception& perception, modeling::Modeling& modeling) override;
    /// Also true at once for a page that no file defines: nothing is played.
    bool hasFinished() const override;

private:
    std::shared_ptr<KeyframeRequest> request;
    bool pageRefused = false;
};

} // namespace control

#endif
