#ifndef MODELING_WORLDMODEL_H
#define MODELING_WORLDMODEL_H

#include "control/walking/OdometryDistribution.h"
#include "representations/PlaySide.h"

#include <string>

namespace perception {
class AgentPerception;
}

namespace modeling {

/// The agent's picture of the game outside its own body. It follows the side
/// the agent plays on, as the server reported it.
class WorldModel {
public:
    WorldModel(int agentNumber, std::string teamName);
    WorldModel(const WorldModel&) = delete;
    WorldModel& operator=(const WorldModel&) = delete;
    virtual ~WorldModel() = default;

    /// One cycle, after perception, with the walk odometry of the previous cycle.
    void update(perception::AgentPerception& perception, control::walking::OdometryDistribution& odometry);

    /// UNKNOWN until the server has told the side.
    representations::PlaySide::PLAY_SIDE getOurPlaySide() const { return ourPlaySide; }

private:
    int agentNumber;
    std::string teamName;
    representations::PlaySide::PLAY_SIDE ourPlaySide = representations::PlaySide::UNKNOWN;
};

} // namespace modeling

#endif
