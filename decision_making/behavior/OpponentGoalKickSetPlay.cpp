#include "decision_making/behavior/OpponentGoalKickSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentGoalKickSetPlay::behave(modeling::Modeling& modeling) { defendSetPiece(modeling); }

} // namespace behavior
} // namespace decision_making
