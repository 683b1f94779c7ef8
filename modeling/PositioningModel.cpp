#include "modeling/PositioningModel.h"

#include <numeric>

namespace modeling {

namespace {

std::vector<int> defaultRoles() {
    std::vector<int> roles(PositioningModel::NUMBER_OF_ROLES);
    std::iota(roles.begin(), roles.end(), 1);
    return roles;
}

} // namespace

PositioningModel::PositioningModel()
    : myRoleAssignmentVector(defaultRoles()), teammatesRoleAssignmentVector(NUMBER_OF_ROLES, defaultRoles()),
      synchronizedRoleAssignmentVector(defaultRoles()), playersRelevance(NUMBER_OF_ROLES, false) {}

void PositioningModel::update(double /*time*/, const representations::HearData& hearData, const std::string& teamName,
                              int agentNumber) {
    const int sender = hearData.getUniformNumber();
    if (agentNumber == representations::HearData::GOALIE_NUMBER || hearData.getMessage().empty() ||
        sender < FIRST_FIELD_PLAYER || sender > LAST_FIELD_PLAYER) {
        return;
    }
    // The agent's own message, heard back, fills its own entry like any other.
    if (hearData.getTeam() == teamName) {
        const std::size_t index = static_cast<std::size_t>(sender - FIRST_FIELD_PLAYER);
        teammatesRoleAssignmentVector[index] = hearData.getRoleAssigment();
        playersRelevance[index] = !hearData.isFallen();
    }
    if (sender == LAST_FIELD_PLAYER) {
        lastTeammateHeard = true;
    }
    if (lastTeammateHeard) {
        synchronizedRoleAssignmentVector = votingSystem.generateSyncRoleVector(*this);
    }
}

} // namespace modeling
