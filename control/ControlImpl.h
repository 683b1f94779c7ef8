#ifndef CONTROL_CONTROLIMPL_H
#define CONTROL_CONTROLIMPL_H

#include "control/Control.h"
#include "control/keyframe/KeyframePlayer.h"
#include "control/kick/KickZMPParams.h"
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"
#include "representations/RobotType.h"

namespace control {

/// Motion control for one body type. It commands no motion yet: every joint
/// speed is zero and the walk reports no odometry. It holds the parameter
/// records and the keyframe pages that the configuration is bound to at start-up.
class ControlImpl : public Control, public marlowinds_lib::utils::patterns::Configurable<ControlImpl> {
public:
    explicit ControlImpl(representations::RobotType::ROBOT_TYPE robotType);
    explicit ControlImpl(int robotType);

    void control(perception::Perception& perception, modeling::Modeling& modeling,
                 decision_making::DecisionMaking& decisionMaking) override;
    walking::OdometryDistribution getWalkOdometry() override { return {}; }
    representations::NaoJoints& getJointsCommands() override { return jointsCommands; }

    /// The parameter set the walk is using now (configuration child "current").
    walking::OmnidirectionalWalkZMPParams& getCurrentWalkParams() { return currentWalkParams; }
    /// The kick's parameters (configuration leaf "kick").
    kick::KickZMPParams& getKickParams() { return kickParams; }
    /// The keyframe player, whose page manager takes the configuration's "keyframe" node.
    keyframe::KeyframePlayer& getKeyframePlayer() { return keyframePlayer; }

private:
    walking::OmnidirectionalWalkZMPParams currentWalkParams =
        walking::OmnidirectionalWalkZMPParams::getOmnidirectionalWalkZMPParams(
            walking::OmnidirectionalWalkZMParamsType::NORMAL);
    kick::KickZMPParams kickParams = kick::KickZMPParams::getDefaultKickZMPParams();
    keyframe::KeyframePlayer keyframePlayer;
    representations::NaoJoints jointsCommands;
};

} // namespace control

#endif
