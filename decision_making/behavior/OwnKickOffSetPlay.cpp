#include "decision_making/behavior/OwnKickOffSetPlay.h"

#include "modeling/Modeling.h"

namespace decision_making {
namespace behavior {

namespace {

/// With fewer teammates known the kick-off goes straight at their goal.
constexpr std::size_t MINIMUM_TEAMMATES = 2;
/// The receiver is the teammate at this place in the nearest-first list ...
constexpr std::size_t RECEIVER_RANK = 2;
/// ... unless that is this player, who stays back; the next one then.
constexpr int SKIPPED_RECEIVER = 6;
constexpr marlowinds_lib::math::Vector2<double> STRAIGHT_AT_GOAL(15.0, 0.0);

} // namespace

void OwnKickOffSetPlay::behave(modeling::Modeling& modeling) {
    if (modeling.getAgentModel().getAgentNumber() == KICK_OFF_TAKER) {
        kickOff(modeling);
    } else {
        walkTo(modeling, modeling.getWorldModel().getSelf().getPosition(), 0.0);
    }
}

void OwnKickOffSetPlay::kickOff(modeling::Modeling& modeling) {
    if (modeling.getWorldModel().getTeammatesFromSelf().size() < MINIMUM_TEAMMATES) {
        kickTowards(modeling, STRAIGHT_AT_GOAL);
        return;
    }
    if (receiver == NO_RECEIVER) {
        chooseReceiver(modeling);
    }
    kickTowards(modeling, receiver == NO_RECEIVER ? theirGoalCentre(modeling) : receiverPosition);
}

void OwnKickOffSetPlay::chooseReceiver(modeling::Modeling& modeling) {
    const modeling::PlayerDistanceList& teammates = modeling.getWorldModel().getTeammatesFromSelf();
    std::size_t rank = RECEIVER_RANK;
    if (rank < teammates.size() && teammates[rank].second->getId() == SKIPPED_RECEIVER) {
        ++rank;
    }
    if (rank < teammates.size()) {
        const representations::OtherPlayer& chosen = *teammates[rank].second;
        receiver = chosen.getId();
        receiverPosition = chosen.getPosition().translation;
    }
}

} // namespace behavior
} // namespace decision_making
