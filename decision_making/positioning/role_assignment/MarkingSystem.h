#ifndef DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_MARKINGSYSTEM_H
#define DECISION_MAKING_POSITIONING_ROLE_ASSIGNMENT_MARKINGSYSTEM_H

#include "decision_making/positioning/DelaunayPositioning.h"
#include "decision_making/positioning/role_assignment/SCRAMByMMDR.h"
#include "marlowinds_lib/math/Vector2.h"
#include "representations/MarlowindsConstants.h"
#include "representations/OtherPlayer.h"

#include <string>
#include <vector>

namespace modeling {
class Modeling;
}

namespace decision_making {
namespace positioning {
namespace role_assignment {

/// The agent's own proposal of who of the field players goes where: the
/// formation positions of uniform numbers 2 to 11, one of them traded for the
/// marking point in front of the opponent nearest the ball, assigned so that the
/// longest run is as short as it can be (SCRAMByMMDR). The proposal, a role
/// vector, goes to the world model, which sends it to the teammates.
class MarkingSystem {
public:
    using Position = marlowinds_lib::math::Vector2<double>;
    /// How far in front of the marked opponent, toward the own goal, its marker stands (m).
    static constexpr double MARKING_DISTANCE = 1.5;

    /// Reads the formation files of the folder once.
    explicit MarkingSystem(const std::string& formationFolder = representations::MarlowindsConstants::FORMATION_FOLDER);

    /// The opponent nearest the ball when it stands inside the field, else none.
    /// Borrowed from the world model: valid until its next update, and until the next call.
    const std::vector<representations::OtherPlayer*>& decideWhoMarks(modeling::Modeling& modeling);

    /// Computes the role vector of the agent and its teammates other than number
    /// 1, entry k for the k-th smallest uniform number, and stores it in the world
    /// model. When the players are more than the solver takes, or the formation
    /// gives no team, the world model keeps its last vector.
    void selectRolesAndAssign(modeling::Modeling& modeling);

    /// MARKING_DISTANCE from the opponent toward the own goal; the opponent itself when it stands on the goal.
    static Position markingPoint(const Position& opponent, const Position& ownGoal);
    /// Strictly inside the touch and goal lines.
    static bool isInsideField(const Position& position);

private:
    struct Agent {
        int uniformNumber;
        Position position;
    };

    /// The agent and its teammates other than the goalkeeper, by uniform number.
    void gatherAgents(modeling::Modeling& modeling);
    /// The formation positions of numbers 2 to 11; false when the formation gives no team.
    bool gatherTargets(modeling::Modeling& modeling);
    void assignMarkingPoints(modeling::Modeling& modeling);

    DelaunayPositioning formation;
    std::vector<representations::OtherPlayer*> opponentsToMark;
    // Reused from cycle to cycle.
    std::vector<Agent> agents;
    std::vector<Position> agentPositions;
    std::vector<Position> targets;
    std::vector<int> roles;
    std::vector<SCRAMByMMDR::Assignment> assignments;
    std::vector<int> roleVector;
};

} // namespace role_assignment
} // namespace positioning
} // namespace decision_making

#endif
