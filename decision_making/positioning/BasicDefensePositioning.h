#ifndef DECISION_MAKING_POSITIONING_BASICDEFENSEPOSITIONING_H
#define DECISION_MAKING_POSITIONING_BASICDEFENSEPOSITIONING_H

#include "decision_making/positioning/DelaunayPositioning.h"
#include "decision_making/positioning/Positioning.h"
#include "marlowinds_lib/math/Vector2.h"
#include "representations/OtherPlayer.h"

namespace decision_making {
namespace positioning {

/// A defender's view of the opponents: it rates them by how dangerous they are
/// (near the ball and near the own goal), picks the one the agent should watch
/// and knows where to stand to cut off a pass to it. The agent's place itself
/// is still its formation position.
class BasicDefensePositioning : public Positioning {
public:
    /// Reads the formation files of the shipped formation folder.
    BasicDefensePositioning();

    /// The agent's formation position, rotation 0.
    marlowinds_lib::math::Pose2D getAgentPosition(modeling::Modeling& modeling) override;

    /// The most dangerous opponent (the lowest danger score) that some teammate
    /// is farther from than the agent; failing that, the opponent nearest the
    /// agent; null when no opponent is known. The number is not used.
    /// Borrowed from the world model: valid until its next update.
    representations::OtherPlayer* chooseOpponent(modeling::Modeling& modeling, int agentNumber);
    /// The ball's position for the opponent closest to the ball, otherwise the
    /// midpoint between the ball and the opponent, on the line of a pass to it.
    marlowinds_lib::math::Vector2<double> chosenOpponentMarkingPosition(modeling::Modeling& modeling,
                                                                        const representations::OtherPlayer& opponent);

private:
    DelaunayPositioning formation;
};

} // namespace positioning
} // namespace decision_making

#endif
