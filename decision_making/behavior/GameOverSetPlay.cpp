#include "decision_making/behavior/GameOverSetPlay.h"

namespace decision_making {
namespace behavior {

void GameOverSetPlay::behave(modeling::Modeling& modeling) { goToDelaunayPositioning(modeling); }

} // namespace behavior
} // namespace decision_making
