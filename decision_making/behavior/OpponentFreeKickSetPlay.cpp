#include "decision_making/behavior/OpponentFreeKickSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentFreeKickSetPlay::behave(modeling::Modeling& modeling) { defendSetPiece(modeling); }

} // namespace behavior
} // namespace decision_making
