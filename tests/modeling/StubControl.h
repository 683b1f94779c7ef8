#ifndef TESTS_MODELING_STUBCONTROL_H
#define TESTS_MODELING_STUBCONTROL_H

#include "control/Control.h"
#include "control/walking/OdometryDistribution.h"
#include "representations/NaoJoints.h"

namespace modeling {

/// Motion control as modeling sees it: a walk odometry the test chooses,
/// counted each time it is read.
class StubControl : public control::Control {
public:
    control::walking::OdometryDistribution getWalkOdometry() override {
        ++odometryReads;
        return odometry;
    }
    representations::NaoJoints& getJointsCommands() override { return joints; }

    control::walking::OdometryDistribution odometry;
    int odometryReads = 0;

private:
    representations::NaoJoints joints;
};

} // namespace modeling

#endif
