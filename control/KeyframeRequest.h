#ifndef CONTROL_KEYFRAMEREQUEST_H
#define CONTROL_KEYFRAMEREQUEST_H

#include "control/MovementRequest.h"

#include <string>
#include <utility>

namespace control {

/// A keyframe page by name, optionally mirrored left/right.
class KeyframeRequest : public MovementRequest {
public:
    KeyframeRequest(std::string name, bool inverted)
        : MovementRequest(MovementRequestType::KEYFRAME), name(std::move(name)), inverted(inverted) {}

    std::string getName() const { return name; }
    bool isInverted() const { return inverted; }

private:
    std::string name;
    bool inverted;
};

} // namespace control

#endif
