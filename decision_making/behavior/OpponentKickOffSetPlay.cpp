#include "decision_making/behavior/OpponentKickOffSetPlay.h"

namespace decision_making {
namespace behavior {

void OpponentKickOffSetPlay::behave(modeling::Modeling& modeling) { goToDelaunayPositioning(modeling); }

} // namespace behavior
} // namespace decision_making
