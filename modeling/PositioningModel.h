#ifndef MODELING_POSITIONINGMODEL_H
#define MODELING_POSITIONINGMODEL_H

#include "decision_making/positioning/role_assignment/VotingSystem.h"
#include "representations/HearData.h"

#include <map>
#include <string>
#include <vector>

namespace modeling {

/// The role-assignment vectors through which the field players agree on their
/// formation roles over the team radio: the agent's own, the last one heard
/// from each teammate 2 to 11, and the side's synchronised vector voted from
/// the heard ones. A vector holds ten role ids, entry k for uniform number k + 2.
class PositioningModel {
public:
    static constexpr int NUMBER_OF_ROLES = representations::HearData::NUMBER_OF_ROLES;
    /// Teammates 2 to 11 are kept at index number - 2.
    static constexpr int FIRST_FIELD_PLAYER = 2;
    static constexpr int LAST_FIELD_PLAYER = 11;

    PositioningModel();

    /// Stores the heard vector of a teammate of the own team and, once number
    /// 11 has been heard, votes the synchronised vector afresh. The goalkeeper
    /// (agentNumber 1) keeps nothing; messages with empty text or from a number
    /// outside 2 to 11 are ignored. The time is not used.
    void update(double time, const representations::HearData& hearData, const std::string& teamName, int agentNumber);

    /// 1 to 10 until decision making sets it.
    const std::vector<int>& getMyRoleAssignmentVector() const { return myRoleAssignmentVector; }
    /// Copied into the vector held, which keeps its room from cycle to cycle.
    void setMyRoleAssignmentVector(const std::vector<int>& vector) { myRoleAssignmentVector = vector; }
    /// 1 to 10 until number 11 has been heard.
    const std::vector<int>& getSynchronizedRoleAssignmentVector() const { return synchronizedRoleAssignmentVector; }
    /// Entry number - 2: the vector last heard from that teammate.
    const std::vector<std::vector<int>>& getTeammatesRoleAssignmentVector() const {
        return teammatesRoleAssignmentVector;
    }
    /// Entry number - 2: that teammate was not fallen in its last heard message.
    const std::vector<bool>& getPlayersRelevance() const { return playersRelevance; }

    void setChangedRoles(std::map<int, int> roles) { changedRoles = std::move(roles); }
    std::map<int, int> getChangedRoles() const { return changedRoles; }

private:
    std::vector<int> myRoleAssignmentVector;
    std::vector<std::vector<int>> teammatesRoleAssignmentVector;
    std::vector<int> synchronizedRoleAssignmentVector;
    std::vector<bool> playersRelevance;
    std::map<int, int> changedRoles;
    bool lastTeammateHeard = false;
    /// Keeps nothing between votes; held here only to reuse its storage.
    decision_making::positioning::role_assignment::VotingSystem votingSystem;
};

} // namespace modeling

#endif
