#include "decision_making/behavior/OpponentOffsideSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentOffsideSetPlay::behave(modeling::Modeling& modeling) { defendSetPiece(modeling); }

} // namespace behavior
} // namespace decision_making
