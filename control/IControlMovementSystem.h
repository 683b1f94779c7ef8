#ifndef CONTROL_ICONTROLMOVEMENTSYSTEM_H
#define CONTROL_ICONTROLMOVEMENTSYSTEM_H

#include "control/IControlSystem.h"

namespace control {

/// A movement that one motion engine plays, cycle by cycle, until it has finished.
class IControlMovementSystem : public IControlSystem {
public:
    virtual bool hasFinished() const = 0;

protected:
    /// Another kind of movement was asked for while this one runs.
    bool stopRequested = false;
    /// The movement has not yet run a control cycle.
    bool firstCycle = true;
};

} // namespace control

#endif
