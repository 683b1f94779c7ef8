#ifndef CONTROL_CONTROLSTATEMACHINE_H
#define CONTROL_CONTROLSTATEMACHINE_H

#include "control/IControlSystem.h"
#include "control/MovementRequest.h"
#include "control/keyframe/KeyframePlayer.h"
#include "control/neural_network/NeuralPlayer.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"
#include "representations/RobotType.h"

#include <boost/statechart/state_machine.hpp>

#include <memory>

namespace control {

class IdleState;
template <class MostDerived> class MovementState;
class KeyframeMovementState;
class NeuralMovementState;

/// Decides, cycle by cycle, which motion engine drives the body: none (idle),
/// a keyframe page or a neural-network motion. It owns the engines, turns the
/// cycle's movement request into events and runs the active engine once per
/// cycle. A movement runs until its engine says it has finished; requests are
/// not queued, so the next movement starts from a request of a later cycle.
class ControlStateMachine : public boost::statechart::state_machine<ControlStateMachine, IdleState>,
                            public IControlSystem,
                            public marlowinds_lib::utils::patterns::Configurable<ControlStateMachine> {
public:
    /// The body type does not matter to any engine. The owner starts the machine with initiate().
    explicit ControlStateMachine(representations::RobotType::ROBOT_TYPE robotType);
    ~ControlStateMachine() override;

    void setMovementRequest(std::shared_ptr<MovementRequest> request) { movementRequest = std::move(request); }
    /// Runs the active movement's cycle with the transitions it causes, then
    /// remembers the cycle's server time. A joint target that the engine leaves
    /// not finite is held at the measured angle.
    void control(perception::Perception& perception, modeling::Modeling& modeling) override;

    /// The engine output of the latest cycle, in the engines' joint directions;
    /// kept after a movement has ended until the next one writes it.
    const representations::NaoJoints& getDesiredJoints() const { return desiredJoints; }

    keyframe::KeyframePlayer& getKeyframePlayer() { return keyframePlayer; }
    neural_network::NeuralPlayer& getNeuralPlayer() { return neuralPlayer; }

private:
    friend class IdleState;
    template <class MostDerived> friend class MovementState;
    friend class KeyframeMovementState;
    friend class NeuralMovementState;

    /// This cycle's server time (s) and measured joint angles (server directions).
    double now() const;
    const representations::NaoJoints& measuredJoints() const;
    void holdNonFiniteTargets();

    perception::Perception* perception = nullptr;
    modeling::Modeling* modeling = nullptr;
    keyframe::KeyframePlayer keyframePlayer;
    neural_network::NeuralPlayer neuralPlayer;
    /// The server time of the latest cycle in which the machine was stepped.
    double previousTime = 0.0;
    representations::NaoJoints desiredJoints;
    std::shared_ptr<MovementRequest> movementRequest;
    bool nonFiniteTargetReported = false;
};

} // namespace control

#endif
