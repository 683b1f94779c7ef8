#include "decision_making/behavior/OwnGoalKickSetPlay.h"

namespace decision_making {
namespace behavior {

void OwnGoalKickSetPlay::behave(modeling::Modeling& modeling) { goToDelaunayPositioning(modeling); }

} // namespace behavior
} // namespace decision_making
