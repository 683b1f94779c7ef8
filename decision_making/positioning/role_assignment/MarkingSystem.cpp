#include "decision_making/positioning/role_assignment/MarkingSystem.h"

#include "decision_making/positioning/role_assignment/RoleId.h"
#include "modeling/FieldDescription.h"
#include "modeling/Modeling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decision_making {
namespace positioning {
namespace role_assignment {

namespace {

constexpr int NUMBER_OF_ROLES = RoleId::LAST_FORMATION_ROLE;
constexpr int NUMBER_OF_PLAYERS = modeling::WorldModel::NUMBER_OF_PLAYERS;
constexpr int GOALKEEPER = 1;

} // namespace

MarkingSystem::MarkingSystem(const std::string& formationFolder) : formation(formationFolder) {
    opponentsToMark.reserve(NUMBER_OF_PLAYERS);
    agents.reserve(NUMBER_OF_PLAYERS);
    agentPositions.reserve(NUMBER_OF_PLAYERS);
    targets.reserve(NUMBER_OF_ROLES);
    roles.reserve(NUMBER_OF_ROLES);
    assignments.reserve(SCRAMByMMDR::MAX_AGENTS);
    roleVector.reserve(NUMBER_OF_ROLES);
}

const std::vector<representations::OtherPlayer*>& MarkingSystem::decideWhoMarks(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const representations::OtherPlayer* const closest = world.getOpponentClosestFromBall();
    opponentsToMark.clear();
    for (representations::OtherPlayer* opponent : world.getOpponents()) {
        if (opponent == closest && isInsideField(opponent->getPosition().translation)) {
            opponentsToMark.push_back(opponent);
        }
    }
    return opponentsToMark;
}

void MarkingSystem::selectRolesAndAssign(modeling::Modeling& modeling) {
    decideWhoMarks(modeling);
    gatherAgents(modeling);
    if (!gatherTargets(modeling)) {
        return;
    }
    assignMarkingPoints(modeling);

    SCRAMByMMDR solver(agentPositions, targets);
    solver.solvePriority(roles);
    solver.mmdrSolve(assignments);
    // More agents than the solver takes: no proposal this cycle.
    if (assignments.size() != agents.size()) {
        return;
    }
    roleVector.assign(NUMBER_OF_ROLES, 0);
    for (const SCRAMByMMDR::Assignment& assignment : assignments) {
        roleVector[assignment.agent] = roles[assignment.target];
    }
    modeling.getWorldModel().updateMyRoleAssignmentVector(roleVector);
}

void MarkingSystem::gatherAgents(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    agents.clear();
    for (const representations::OtherPlayer* teammate : world.getTeammates()) {
        if (teammate->getId() != GOALKEEPER) {
            agents.push_back({teammate->getId(), teammate->getPosition().translation});
        }
    }
    agents.push_back({modeling.getAgentModel().getAgentNumber(), world.getSelf().getPosition().translation});
    std::sort(agents.begin(), agents.end(),
              [](const Agent& a, const Agent& b) { return a.uniformNumber < b.uniformNumber; });
    agentPositions.clear();
    for (const Agent& agent : agents) {
        agentPositions.push_back(agent.position);
    }
}

bool MarkingSystem::gatherTargets(modeling::Modeling& modeling) {
    const auto team = formation.getTeamPosition(modeling);
    if (team.size() < NUMBER_OF_PLAYERS) {
        return false;
    }
    targets.clear();
    roles.clear();
    for (int role = RoleId::FIRST_FORMATION_ROLE; role <= RoleId::LAST_FORMATION_ROLE; ++role) {
        targets.push_back(team[RoleId::formationPlayer(role) - 1]);
        roles.push_back(role);
    }
    return true;
}

void MarkingSystem::assignMarkingPoints(modeling::Modeling& modeling) {
    const auto ownGoal = modeling.getWorldModel().getOwnGoalPosition();
    for (const representations::OtherPlayer* opponent : opponentsToMark) {
        const Position point = markingPoint(opponent->getPosition().translation, Position(ownGoal.x, ownGoal.y));
        // The formation position nearest the point gives way to it; the first of equally near ones.
        std::size_t nearest = targets.size();
        double nearestDistance = std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < targets.size(); ++j) {
            const double distance = targets[j].distance(point);
            if (RoleId::isFormation(roles[j]) && distance < nearestDistance) {
                nearest = j;
                nearestDistance = distance;
            }
        }
        if (nearest < targets.size()) {
            targets[nearest] = point;
            roles[nearest] = RoleId::markingRole(opponent->getId());
        }
    }
}

MarkingSystem::Position MarkingSystem::markingPoint(const Position& opponent, const Position& ownGoal) {
    return opponent + (ownGoal - opponent).normalize() * MARKING_DISTANCE;
}

bool MarkingSystem::isInsideField(const Position& position) {
    return std::fabs(position.x) < modeling::FieldDescription::FIELD_LENGTH / 2.0 &&
           std::fabs(position.y) < modeling::FieldDescription::FIELD_WIDTH / 2.0;
}

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making
