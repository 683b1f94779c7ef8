#ifndef CONTROL_KICKREQUEST_H
#define CONTROL_KICKREQUEST_H

#include "control/MovementRequest.h"

namespace control {

/// The ZMP kick with the right foot.
class KickRequest : public MovementRequest {
public:
    KickRequest() : MovementRequest(MovementRequestType::KICK) {}
};

} // namespace control

#endif
