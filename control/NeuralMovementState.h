#ifndef CONTROL_NEURALMOVEMENTSTATE_H
#define CONTROL_NEURALMOVEMENTSTATE_H

#include "control/MovementState.h"
#include "control/NeuralRequest.h"

#include <memory>
#include <vector>

namespace control {

/// Plays the requested network's motion, fed the seconds since its first
/// cycle, until the network signals the end.
class NeuralMovementState : public MovementState<NeuralMovementState> {
public:
    explicit NeuralMovementState(my_context context) : MovementState(context) {}

    void control(perception::Perception& perception, modeling::Modeling& modeling) override;
    /// Also true at once for a graph that could not be loaded: nothing is played.
    bool hasFinished() const override;

private:
    std::shared_ptr<NeuralRequest> request;
    /// The server time of the motion's first cycle.
    double startTime = 0.0;
    std::vector<double> features = std::vector<double>(1);
};

} // namespace control

#endif
