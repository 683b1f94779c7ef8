#ifndef CONTROL_CONTROLIMPL_H
#define CONTROL_CONTROLIMPL_H

#include "control/Control.h"
#include "control/ControlStateMachine.h"
#include "control/JointsController.h"
#include "control/MovementRequest.h"
#include "control/keyframe/KeyframePlayer.h"
#include "control/kick/KickZMPParams.h"
#include "control/walking/OdometryDistribution.h"
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"
#include "representations/RobotType.h"

#include <memory>

namespace control {

/// Motion control for one body type: each cycle the movement request drives
/// the movement state machine to joint targets, the look request points the
/// head, and the joint controllers turn the targets into speed commands.
class ControlImpl : public Control, public marlowinds_lib::utils::patterns::Configurable<ControlImpl> {
public:
    /// 1/s: an error of 3.5 degrees commands 1 rad/s.
    static constexpr double JOINTS_CONTROLLER_GAIN = 16.37022271802352;

    explicit ControlImpl(representations::RobotType::ROBOT_TYPE robotType);
    explicit ControlImpl(int robotType);

    /// Without a movement request the machine is not stepped and every joint
    /// but the neck is driven towards 0; without a look request the neck is.
    void control(perception::Perception& perception, modeling::Modeling& modeling,
                 decision_making::DecisionMaking& decisionMaking) override;
    /// The machine's cycle for a request; an empty request leaves it unstepped.
    void handleMovementRequest(const std::shared_ptr<MovementRequest>& request, perception::Perception& perception,
                               modeling::Modeling& modeling);
    /// The walk's odometry of the latest cycle while it moved the body; no
    /// displacement in a cycle in which it did not, since modeling applies the
    /// odometry to its estimates every cycle.
    walking::OdometryDistribution getWalkOdometry() override { return walkOdometry; }
    /// The walk's centre of mass, whichever movement runs.
    marlowinds_lib::math::Vector2<double> getCoMVelocity() override;
    marlowinds_lib::math::Vector2<double> getCoMAcceleration() override;
    /// The speed commands of the latest cycle (rad/s, server directions).
    representations::NaoJoints& getJointsCommands() override { return jointsController.getCommands(); }

    /// The parameter set the walk is using now (configuration child "current").
    walking::OmnidirectionalWalkZMPParams& getCurrentWalkParams() { return stateMachine.getWalk().getActiveParams(); }
    /// The kick's parameters (configuration leaf "kick").
    kick::KickZMPParams& getKickParams() { return stateMachine.getKick().getParams(); }
    /// The keyframe player, whose page manager takes the configuration's "keyframe" node.
    keyframe::KeyframePlayer& getKeyframePlayer() { return stateMachine.getKeyframePlayer(); }
    /// Which movement runs.
    const ControlStateMachine& getStateMachine() const { return stateMachine; }

private:
    ControlStateMachine stateMachine;
    /// This cycle's joint position targets (rad, server directions).
    representations::NaoJoints jointsTargets;
    JointsController jointsController;
    walking::OdometryDistribution walkOdometry;
};

} // namespace control

#endif
