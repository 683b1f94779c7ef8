#ifndef TOOLS_FIELD_TRIAL_MISSEDCYCLECOUNTER_H
#define TOOLS_FIELD_TRIAL_MISSEDCYCLECOUNTER_H

namespace tools {
namespace field_trial {

/// Counts the server cycles a player missed, from the server's clock as its
/// messages give it. In sync mode the clock steps one cycle per message, so a
/// clock that went further than the messages counts the missed ones. The
/// clock reads in hundredths of a slowly drifting time: a step may read a
/// hundredth long or short, which is no missed cycle.
class MissedCycleCounter {
public:
    /// One message's server time (s); one that does not advance the clock
    /// (a damaged message's, unreadable) is a message all the same.
    void observe(double serverTime);
    int getMissed() const { return missed; }

private:
    int missed = 0;
    double lastTime = 0.0;
    int messagesSinceTime = 0;
};

} // namespace field_trial
} // namespace tools

#endif
