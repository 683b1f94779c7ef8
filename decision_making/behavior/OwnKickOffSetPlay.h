#ifndef DECISION_MAKING_BEHAVIOR_OWNKICKOFFSETPLAY_H
#define DECISION_MAKING_BEHAVIOR_OWNKICKOFFSETPLAY_H

#include "decision_making/behavior/SetPlay.h"
#include "marlowinds_lib/math/Vector2.h"

namespace decision_making {
namespace behavior {

/// The own kick-off: number 10 kicks off to a receiver chosen once, at the
/// first own kick-off with enough teammates known, and kept for the game;
/// everybody else holds its place.
class OwnKickOffSetPlay : public SetPlay {
public:
    /// The uniform number that takes the kick-off.
    static constexpr int KICK_OFF_TAKER = 10;
    /// Not a uniform number: no receiver chosen yet.
    static constexpr int NO_RECEIVER = 0;

    OwnKickOffSetPlay() = default;
    explicit OwnKickOffSetPlay(BehaviorFactory* factory) : SetPlay(factory) {}

    void behave(modeling::Modeling& modeling) override;

    /// The receiver's uniform number; NO_RECEIVER until chosen.
    int getReceiver() const { return receiver; }

private:
    void kickOff(modeling::Modeling& modeling);
    /// The third-nearest teammate, or the fourth when the third is number 6,
    /// if the world model knows that many. Sets nothing otherwise.
    void chooseReceiver(modeling::Modeling& modeling);

    // The receiver by number and position, not by its record, which the world model rebuilds every cycle.
    int receiver = NO_RECEIVER;
    /// Where the receiver stood when chosen; every later kick-off aims there.
    marlowinds_lib::math::Vector2<double> receiverPosition;
};

} // namespace behavior
} // namespace decision_making

#endif
