#ifndef CONTROL_IDLESTATE_H
#define CONTROL_IDLESTATE_H

#include "control/ControlEvents.h"
#include "control/ControlStateMachine.h"

#include <boost/statechart/custom_reaction.hpp>
#include <boost/statechart/state.hpp>

namespace control {

/// No movement runs: the next movement request starts the movement of its
/// kind, whose first cycle runs in the same control cycle.
class IdleState : public boost::statechart::state<IdleState, ControlStateMachine> {
public:
    using reactions = boost::statechart::custom_reaction<SetMovementEvent>;

    explicit IdleState(my_context context) : my_base(context) {}

    boost::statechart::result react(const SetMovementEvent& event);
};

} // namespace control

#endif
