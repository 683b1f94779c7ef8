#ifndef CONTROL_JOINTSCONTROLLER_H
#define CONTROL_JOINTSCONTROLLER_H

#include "marlowinds_lib/control/PController.h"
#include "representations/NaoJoints.h"

#include <array>

namespace control {

/// Turns joint position targets into the joint speed commands the server
/// takes: one saturated proportional controller per joint, limited to the
/// joint's speed limit for the body type.
class JointsController {
public:
    /// gain in 1/s; the speed limits come from the body type's profile.
    JointsController(int robotType, double gain);
    virtual ~JointsController() = default;

    /// Both in radians, server joint directions.
    void update(const representations::NaoJoints& target, const representations::NaoJoints& measured);
    /// The speed commands (rad/s) of the last update.
    representations::NaoJoints& getCommands() { return commands; }

private:
    representations::NaoJoints commands;
    std::array<marlowinds_lib::control::PController, representations::NaoJoints::NUMBER_OF_JOINTS> controllers;
};

} // namespace control

#endif
