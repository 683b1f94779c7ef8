#ifndef TESTS_MODELING_STUBCONTROL_H
#define TESTS_MODELING_STUBCONTROL_H

#include "control/Control.h"
#include "control/walking/OdometryDistribution.h"
#include "representations/NaoJoints.h"

namespace modeling {

/// Motion control as modeling sees it: a walk odometry the test chooses, and a
/// count of every call, so that a test can tell when modeling reached into it.
class StubControl : public control::Control {
public:
    control::walking::OdometryDistribution getWalkOdometry() override {
        ++calls;
        return odometry;
    }
    representations::NaoJoints& getJointsCommands() override {
        ++calls;
        return joints;
    }

    control::walking::OdometryDistribution odometry;
    int calls = 0;

private:
    representations::NaoJoints joints;
};

} // namespace modeling

#endif
