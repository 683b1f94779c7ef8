#ifndef DECISION_MAKING_DECISIONMAKING_H
#define DECISION_MAKING_DECISIONMAKING_H

#include "control/LookRequest.h"
#include "control/MovementRequest.h"
#include "marlowinds_lib/math/Pose2D.h"

#include <memory>
#include <string>

namespace modeling {
class Modeling;
}

namespace decision_making {

/// What decision making decided in the current cycle. Each output keeps its
/// value until a later decide overwrites it; empty pointers mean "nothing to do".
class DecisionMaking {
public:
    virtual ~DecisionMaking() = default;

    virtual void decide(modeling::Modeling& modeling) = 0;
    virtual bool getPassRequest() { return passRequest; }

    std::shared_ptr<std::string> getSayMessage() const { return sayMessage; }
    std::shared_ptr<control::MovementRequest> getMovementRequest() const { return movementRequest; }
    std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamRequest; }
    std::shared_ptr<control::LookRequest> getLookRequest() const { return lookRequest; }

    /// While the agent lies, the only outputs are the head straight ahead and
    /// the stand-up page for the way it fell, and once up again, until the
    /// fall detector lets go, the head straight ahead and steps in place; true
    /// in such a cycle. The say, beam and pass of the last standing cycle are
    /// cleared, so that a fallen agent neither repeats a say out of its radio
    /// slot nor beams again.
    bool decideFall(modeling::Modeling& modeling);

protected:
    std::shared_ptr<std::string> sayMessage;
    std::shared_ptr<control::MovementRequest> movementRequest;
    std::shared_ptr<marlowinds_lib::math::Pose2D> beamRequest;
    std::shared_ptr<control::LookRequest> lookRequest;
    bool passRequest = false;
};

} // namespace decision_making

#endif
