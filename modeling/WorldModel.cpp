#include "modeling/WorldModel.h"

#include "perception/AgentPerception.h"

#include <utility>

namespace modeling {

WorldModel::WorldModel(int agentNumber, std::string teamName)
    : agentNumber(agentNumber), teamName(std::move(teamName)) {}

void WorldModel::update(perception::AgentPerception& perception, control::walking::OdometryDistribution& /*odometry*/) {
    // The side comes from the wire: anything but left or right stays unknown.
    const int side = perception.getPlaySide();
    ourPlaySide = side == representations::PlaySide::LEFT || side == representations::PlaySide::RIGHT
                      ? static_cast<representations::PlaySide::PLAY_SIDE>(side)
                      : representations::PlaySide::UNKNOWN;
}

} // namespace modeling
