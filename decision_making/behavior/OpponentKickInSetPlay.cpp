#include "decision_making/behavior/OpponentKickInSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentKickInSetPlay::behave(modeling::Modeling& modeling) { defendSetPiece(modeling); }

} // namespace behavior
} // namespace decision_making
