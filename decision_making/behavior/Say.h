#ifndef DECISION_MAKING_BEHAVIOR_SAY_H
#define DECISION_MAKING_BEHAVIOR_SAY_H

#include "decision_making/behavior/Behavior.h"

#include <memory>
#include <string>
#include <vector>

namespace decision_making {
namespace behavior {

/// The team radio message. In the one cycle out of SLOTS that belongs to the
/// agent's uniform number (the goalkeeper's slot 0, player n's slot 2n - 2) it
/// packs the agent's state into the record that teammates read with
/// representations::HearData, and leaves it as the text to say; in every other
/// cycle the text is empty. A field player tells its position, fall state,
/// ball, role vector and the player it takes for the closest to the ball; the
/// goalkeeper tells its position, fall state and the four opponents nearest to it.
class Say : public Behavior {
public:
    /// Cycles in the speaking schedule.
    static constexpr int SLOTS = 22;

    explicit Say(BehaviorFactory* factory);

    /// Every cycle: refreshes the state, advancing the agent model's latched
    /// fall detector, and speaks when the cycle is the agent's slot.
    void behave(modeling::Modeling& modeling) override;
    /// Empty in every cycle in which the agent does not speak.
    std::shared_ptr<std::string> getSayMessage() const { return message; }

private:
    void gather(modeling::Modeling& modeling);
    bool speaksNow() const;
    // The records are written into bits.
    /// Uniform number, position and fall state, with which both records start.
    void senderToBits();
    /// The field player's record, 96 bits.
    void dataToBits();
    /// The goalkeeper's record, 119 bits.
    void dataToBitsGoalie(modeling::Modeling& modeling);

    std::shared_ptr<std::string> message;
    /// The server cycle of this step; -1 for a clock that gives none.
    int cycleNumber = -1;
    double globalTime = 0.0;
    int uniformNumber = 0;
    double ownX = 0.0;
    double ownY = 0.0;
    bool fallen = false;
    double ballX = 0.0;
    double ballY = 0.0;
    bool ballRelevant = false;
    /// Carried over while nobody can be named; 0, which names no player, until then.
    int closestPlayer = 0;
    std::vector<int> roleAssignment;
    /// Reused from one message to the next.
    std::vector<bool> bits;
};

} // namespace behavior
} // namespace decision_making

#endif
