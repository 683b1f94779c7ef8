#ifndef CONTROL_CONTROLEVENTS_H
#define CONTROL_CONTROLEVENTS_H

#include "control/MovementRequest.h"

#include <boost/statechart/event.hpp>

#include <memory>
#include <utility>

namespace control {

/// The movement request of the cycle, sent once per cycle that has one.
class SetMovementEvent : public boost::statechart::event<SetMovementEvent> {
public:
    explicit SetMovementEvent(std::shared_ptr<MovementRequest> movementRequest)
        : movementRequest(std::move(movementRequest)) {}

    const std::shared_ptr<MovementRequest>& getMovementRequest() const { return movementRequest; }

private:
    std::shared_ptr<MovementRequest> movementRequest;
};

/// Runs the active movement's cycle.
class ControlMovementEvent : public boost::statechart::event<ControlMovementEvent> {};

/// Posted by a movement in the cycle in which it has finished.
class CurrentMovementEndedEvent : public boost::statechart::event<CurrentMovementEndedEvent> {};

} // namespace control

#endif
