#ifndef MODELING_MODELING_H
#define MODELING_MODELING_H

#include "control/walking/OdometryDistribution.h"
#include "modeling/AgentModel.h"
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
    /// Throws std::invalid_argument for a uniform number outside 1 to 11.
    Modeling(int agentNumber, std::string teamName, int robotType);
    Modeling(const Modeling&) = delete;
    Modeling& operator=(const Modeling&) = delete;
    virtual ~Modeling() = default;

    /// The agent model, then the world model with motion control's walk
    /// odometry, which is the previous cycle's since control runs later in the cycle.
    void model(perception::Perception& perception, control::Control& control);

    AgentModel& getAgentModel() { return agentModel; }
    WorldModel& getWorldModel() { return worldModel; }

private:
    AgentModel agentModel;
    WorldModel worldModel;
    control::walking::OdometryDistribution walkOdometry;
};

} // namespace modeling

#endif
