#ifndef DECISION_MAKING_BEHAVIOR_KICKTARGETSELECTOR_H
#define DECISION_MAKING_BEHAVIOR_KICKTARGETSELECTOR_H

#include "marlowinds_lib/math/Vector2.h"

#include <string>
#include <vector>

namespace modeling {
class Modeling;
}

namespace decision_making {
namespace behavior {

/// One candidate point to kick to.
struct KickTarget {
    double score = 0.0;
    int playerNumber = 0;
    marlowinds_lib::math::Vector2<double> position;
};

/// Chooses where the player closest to the ball aims its next kick: without
/// teammates (a penalty) beside the centre of their goal, near their goal at
/// its centre, otherwise at the point of a fan ahead of the ball that lies
/// nearest their goal. The fan is drawn in the drawing set "kickTargets".
class KickTargetSelector {
public:
    /// Number of candidate distances, the first (metres) and the step between them.
    static constexpr int DISTANCE_OFFSET = 23;
    static constexpr double MIN_DISTANCE = 7.0;
    static constexpr double DELTA_DISTANCE = 0.5;
    /// Number of candidate directions and the step between them (radians, 9 degrees).
    static constexpr int ANGLE_OFFSET = 16;
    static constexpr double DELTA_ANGLE = 0.15707963267948966;
    /// The drawing set of the candidates.
    static const std::string DRAWING_BUFFER;

    KickTargetSelector();

    /// Recomputes target, closest player and the shot flag from the world model.
    void select(modeling::Modeling& modeling);

    /// Field frame, metres; (0, 0) until a call finds one.
    marlowinds_lib::math::Vector2<double> getTarget() const { return target; }
    /// The target counts as a shot at their goal.
    bool isGoalKick() const { return goalKick; }
    int getClosestPlayer() const { return closestPlayer; }

private:
    void selectPenaltyTarget(const marlowinds_lib::math::Vector2<double>& goal);
    void evaluateGrid(int ownNumber, const marlowinds_lib::math::Vector2<double>& ball,
                      const marlowinds_lib::math::Vector2<double>& goal);
    void drawCandidates() const;

    double bestScore = 0.0;
    int closestPlayer = 0;
    marlowinds_lib::math::Vector2<double> target;
    double worstScore = 0.0;
    /// The in-field candidates of the last grid, in the order made; capacity for the whole grid.
    std::vector<KickTarget> candidates;
    bool goalKick = false;
    bool penaltySideChosen = false;
    /// 0 or 1: which side of the goal's centre the penalty is aimed at, drawn once.
    int penaltySide = 0;
};

} // namespace behavior
} // namespace decision_making

#endif
