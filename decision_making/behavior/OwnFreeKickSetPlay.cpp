#include "decision_making/behavior/OwnFreeKickSetPlay.h"

namespace decision_making {
namespace behavior {

void OwnFreeKickSetPlay::behave(modeling::Modeling& modeling) { takeSetPiece(modeling, theirGoalCentre(modeling)); }

} // namespace behavior
} // namespace decision_making
