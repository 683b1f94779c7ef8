#include "decision_making/behavior/OwnGoalSetPlay.h"

#include "decision_making/behavior/BehaviorFactory.h"

namespace decision_making {
namespace behavior {

void OwnGoalSetPlay::behave(modeling::Modeling& modeling) {
    BeamBehavior* beam = factory->getBeamBehavior();
    beam->behave(modeling);
    beamPose = beam->getBeamRequest();
}

} // namespace behavior
} // namespace decision_making
