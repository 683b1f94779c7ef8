#include "decision_making/behavior/OpponentCornerKickSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentCornerKickSetPlay::behave(modeling::Modeling& modeling) { defendSetPiece(modeling); }

} // namespace behavior
} // namespace decision_making
