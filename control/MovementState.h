#ifndef CONTROL_MOVEMENTSTATE_H
#define CONTROL_MOVEMENTSTATE_H

#include "control/ControlEvents.h"
#include "control/ControlStateMachine.h"
#include "control/IControlMovementSystem.h"
#include "control/IdleState.h"

#include <boost/mpl/list.hpp>
#include <boost/statechart/custom_reaction.hpp>
#include <boost/statechart/state.hpp>
#include <boost/statechart/transition.hpp>

namespace control {

/// What every movement state shares: each control event runs the movement's
/// cycle, and the cycle in which it has finished takes the machine back to
/// idle. Movement requests are dropped while it runs unless the state reacts
/// to them itself.
template <class MostDerived>
class MovementState : public boost::statechart::state<MostDerived, ControlStateMachine>, public IControlMovementSystem {
    using Base = boost::statechart::state<MostDerived, ControlStateMachine>;

public:
    using reactions = boost::mpl::list<boost::statechart::custom_reaction<SetMovementEvent>,
                                       boost::statechart::custom_reaction<ControlMovementEvent>,
                                       boost::statechart::transition<CurrentMovementEndedEvent, IdleState>>;

    explicit MovementState(typename Base::my_context context) : Base(context) {}

    boost::statechart::result react(const SetMovementEvent& /*event*/) { return this->discard_event(); }

    boost::statechart::result react(const ControlMovementEvent& /*event*/) {
        control(*machine().perception, *machine().modeling);
        if (hasFinished()) {
            this->post_event(CurrentMovementEndedEvent());
        }
        return this->discard_event();
    }

protected:
    ControlStateMachine& machine() { return this->template context<ControlStateMachine>(); }
    const ControlStateMachine& machine() const { return this->template context<ControlStateMachine>(); }
};

} // namespace control

#endif
