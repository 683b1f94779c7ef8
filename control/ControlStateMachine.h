#ifndef CONTROL_CONTROLSTATEMACHINE_H
#define CONTROL_CONTROLSTATEMACHINE_H

#include "control/IControlSystem.h"
#include "control/MovementRequest.h"
#include "control/MovementSwitchSmoother.h"
#include "control/keyframe/KeyframePlayer.h"
#include "control/kick/KickZMP.h"
#include "control/neural_network/NeuralPlayer.h"
#include "control/walking/InverseKinematics.h"
#include "control/walking/OmnidirectionalWalkZMP.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"
#include "representations/RobotType.h"

#include <boost/statechart/state_machine.hpp>

#include <memory>

namespace control {

class IdleState;
template <class MostDerived> class MovementState;
class WalkMovementState;
class KickMovementState;
class KeyframeMovementState;
class NeuralMovementState;

/// Decides, cycle by cycle, which motion engine drives the body: none (idle),
/// the walk, the kick, a keyframe page or a neural-network motion. It owns the
/// engines, turns the cycle's movement request into events and runs the
/// active engine once per cycle. A movement runs until its engine says it has
/// finished, a walk until it has taken its closing steps after a request of
/// another kind; requests are not queued, so the next movement starts from a
/// request of a later cycle.
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
    /// Whether the walk moved the body in the latest cycle the machine ran.
    bool hasWalkAdvanced() const { return walkAdvanced; }

    walking::OmnidirectionalWalkZMP& getWalk() { return walk; }
    const walking::OmnidirectionalWalkZMP& getWalk() const { return walk; }
    kick::KickZMP& getKick() { return kick; }
    keyframe::KeyframePlayer& getKeyframePlayer() { return keyframePlayer; }
    const keyframe::KeyframePlayer& getKeyframePlayer() const { return keyframePlayer; }
    neural_network::NeuralPlayer& getNeuralPlayer() { return neuralPlayer; }

private:
    friend class IdleState;
    template <class MostDerived> friend class MovementState;
    friend class WalkMovementState;
    friend class KickMovementState;
    friend class KeyframeMovementState;
    friend class NeuralMovementState;

    /// This cycle's server time (s).
    double now() const;
    /// The seconds since the latest cycle in which the machine ran.
    double elapsed() const { return now() - previousTime; }
    /// One step of the measured posture towards an engine's first pose, at
    /// most MovementSwitchSmoother::MAXIMUM_JOINT_DISPLACEMENT; smoothing ends
    /// once the measured posture is within a tenth of a degree of it.
    void smooth(const representations::NaoJoints& firstPose);
    void holdNonFiniteTargets();

    /// The walk or the kick is still moving the body into its first pose.
    bool smoothing = true;
    MovementSwitchSmoother movementSwitchSmoother;
    perception::Perception* perception = nullptr;
    modeling::Modeling* modeling = nullptr;
    walking::InverseKinematics kickInverseKinematics;
    kick::KickZMP kick;
    walking::InverseKinematics walkInverseKinematics;
    walking::OmnidirectionalWalkZMP walk;
    keyframe::KeyframePlayer keyframePlayer;
    neural_network::NeuralPlayer neuralPlayer;
    /// The server time of the latest cycle in which the machine ran.
    double previousTime = 0.0;
    representations::NaoJoints desiredJoints;
    std::shared_ptr<MovementRequest> movementRequest;
    bool walkAdvanced = false;
    bool nonFiniteTargetReported = false;
};

} // namespace control

#endif
