#include "decision_making/behavior/OwnCornerKickSetPlay.h"

namespace decision_making {
namespace behavior {

namespace {

/// How far (m) in front of their goal line the corner kick aims.
constexpr double AIM_BEFORE_GOAL_LINE = 1.5;

} // namespace

void OwnCornerKickSetPlay::behave(modeling::Modeling& modeling) {
    const marlowinds_lib::math::Vector2<double> goal = theirGoalCentre(modeling);
    takeSetPiece(modeling, {goal.x - AIM_BEFORE_GOAL_LINE, goal.y});
}

} // namespace behavior
} // namespace decision_making
