#ifndef MODELING_MODELING_H
#define MODELING_MODELING_H

#include "control/walking/OdometryDistribution.h"
#include "modeling/WorldModel.h"

#include <string>

namespace perception {
class Perception;
}
namespace control {
class Control;
}

namespace modeling {

/// World modeling as the runtime drives it and decision making and motion
/// control read it, once per cycle after perception.
class Modeling {
public:
    Modeling(int agentNumber, std::string teamName, int robotType);
    Modeling(const Modeling&) = delete;
    Modeling& operator=(const Modeling&) = delete;
    virtual ~Modeling() = default;

    /// Takes motion control's walk odometry (of the previous cycle, since
    /// control runs later in the cycle) and updates the world model.
    void model(perception::Perception& perception, control::Control& control);

    WorldModel& getWorldModel() { return worldModel; }

private:
    WorldModel worldModel;
    control::walking::OdometryDistribution walkOdometry;
};

} // namespace modeling

#endif
