#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_ROLEID_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_ROLEID_H

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// The place a field player is given: roles 1 to 10 are the formation positions
/// of uniform numbers 2 to 11, roles 11 to 21 the marking points in front of
/// opponents 1 to 11. A role vector holds ten of them, entry k for uniform number k + 2.
struct RoleId {
    static constexpr int FIRST_FORMATION_ROLE = 1;
    static constexpr int LAST_FORMATION_ROLE = 10;
    static constexpr int LAST_MARKING_ROLE = 21;
    /// Uniform number of the player whose role is entry 0 of a role vector.
    static constexpr int FIRST_FIELD_PLAYER = 2;

    static constexpr bool isFormation(int role) { return role >= FIRST_FORMATION_ROLE && role <= LAST_FORMATION_ROLE; }
    static constexpr bool isMarking(int role) { return role > LAST_FORMATION_ROLE && role <= LAST_MARKING_ROLE; }
    /// The uniform number whose formation position a formation role names.
    static constexpr int formationPlayer(int role) { return role + 1; }
    /// The role of the formation position of that uniform number: a player's own, by default.
    static constexpr int formationRole(int uniformNumber) { return uniformNumber - 1; }
    static constexpr int markingRole(int opponentNumber) { return opponentNumber + LAST_FORMATION_ROLE; }
    static constexpr int markedOpponent(int role) { return role - LAST_FORMATION_ROLE; }
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
