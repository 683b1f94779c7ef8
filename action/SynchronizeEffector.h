#ifndef ACTION_SYNCHRONIZEEFFECTOR_H
#define ACTION_SYNCHRONIZEEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// Closes every message: the agent is done for this cycle.
class SynchronizeEffector : public Effector {
public:
    SynchronizeEffector() = default;
    void appendTo(std::string& text) const override;
};

} // namespace action

#endif
