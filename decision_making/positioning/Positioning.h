#ifndef DECISION_MAKING_POSITIONING_POSITIONING_H
#define DECISION_MAKING_POSITIONING_POSITIONING_H

#include "marlowinds_lib/math/Pose2D.h"

namespace modeling {
class Modeling;
}

namespace decision_making {
namespace positioning {

/// A way of choosing where the agent should stand.
class Positioning {
public:
    virtual ~Positioning() = default;

    /// The agent's pose in the global frame.
    virtual marlowinds_lib::math::Pose2D getAgentPosition(modeling::Modeling& modeling) = 0;
};

} // namespace positioning
} // namespace decision_making

#endif
