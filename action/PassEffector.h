#ifndef ACTION_PASSEFFECTOR_H
#define ACTION_PASSEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// Asks the referee for the pass mode.
class PassEffector : public Effector {
public:
    PassEffector() = default;
    void appendTo(std::string& text) const override;
};

} // namespace action

#endif
