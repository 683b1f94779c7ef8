#include "decision_making/behavior/OwnOffsideSetPlay.h"

namespace decision_making {
namespace behavior {

void OwnOffsideSetPlay::behave(modeling::Modeling& modeling) { takeSetPiece(modeling, theirGoalCentre(modeling)); }

} // namespace behavior
} // namespace decision_making
