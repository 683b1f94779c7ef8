#include "decision_making/behavior/OwnKickInSetPlay.h"

#include "modeling/Modeling.h"

namespace decision_making {
namespace behavior {

namespace {

/// Beyond this x (m) the kick-in goes to the receiver rather than at their goal.
constexpr double PASS_LINE = 7.0;

} // namespace

void OwnKickInSetPlay::behave(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    if (world.selfIsClosestToBall()) {
        const bool pass = world.getBall().getPosition().translation.x > PASS_LINE;
        kickTowards(modeling, pass ? calculateReceiverPositioning(modeling).translation : theirGoalCentre(modeling));
    } else if (world.selfIsSecondClosestToBall()) {
        goToReceiverPositioning(modeling);
    } else {
        goToDelaunayPositioning(modeling);
    }
}

} // namespace behavior
} // namespace decision_making
