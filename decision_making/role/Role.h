#ifndef DECISION_MAKING_ROLE_ROLE_H
#define DECISION_MAKING_ROLE_ROLE_H

#include "control/LookRequest.h"
#include "control/MovementRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "marlowinds_lib/math/Pose2D.h"

#include <memory>
#include <string>

namespace modeling {
class Modeling;
}

namespace decision_making {
namespace role {

/// What one agent does in every cycle in which it is standing: the movement,
/// then the head, then the radio. The head follows the ball, a lost ball makes
/// the agent turn on the spot after a while, and the agent speaks in its slot;
/// the roles differ only in how they choose the movement by play mode. A role
/// owns one complete set of behaviours, whose state carries over from cycle to cycle.
class Role {
public:
    /// The search turn (rad/s, counterclockwise) when the ball has been lost for too long: 125 degrees per second.
    static constexpr double SEARCH_TURN_SPEED = 2.1816615649929125;
    /// The ball-lost count grows by this in every cycle without a relevant ball.
    static constexpr double BALL_LOST_STEP = 20.0;
    /// The turn starts once the count passes this: an agent with teammates
    /// turns after 10 cycles, one that knew none at its first cycle after 30.
    static constexpr double BALL_LOST_THRESHOLD = 200.0;
    static constexpr double LONE_BALL_LOST_THRESHOLD = 600.0;

    /// Builds all the behaviours, which reads the formation files.
    Role() = default;
    Role(const Role&) = delete;
    Role& operator=(const Role&) = delete;
    virtual ~Role() = default;

    /// One cycle; the five outputs are read afterwards.
    virtual void execute(modeling::Modeling& modeling);
    /// Empties the outputs of the last cycle.
    virtual void reset();

    /// Empty in the cycles in which the agent does not speak.
    virtual std::shared_ptr<std::string> getSayMessage() const { return sayMessage; }
    virtual std::shared_ptr<control::LookRequest> getLookRequest() const { return lookRequest; }
    virtual std::shared_ptr<control::MovementRequest> getMovementRequest() const { return movementRequest; }
    virtual std::shared_ptr<marlowinds_lib::math::Pose2D> getBeamRequest() const { return beamRequest; }
    virtual bool getPassRequest() const { return passRequest; }

    /// The role's own behaviours.
    behavior::BehaviorFactory& getBehaviorFactory() { return behaviorFactory; }

protected:
    /// The movement by play mode, and with it a beam pose or a pass.
    virtual void behaveMovement(modeling::Modeling& modeling) = 0;
    /// The head, and the search turn that replaces the movement when the ball is lost.
    virtual void behaveSee(modeling::Modeling& modeling);
    virtual void behaveSay(modeling::Modeling& modeling);

    std::shared_ptr<std::string> sayMessage;
    std::shared_ptr<control::LookRequest> lookRequest;
    std::shared_ptr<control::MovementRequest> movementRequest;
    std::shared_ptr<marlowinds_lib::math::Pose2D> beamRequest;
    bool passRequest = false;
    behavior::BehaviorFactory behaviorFactory;

private:
    /// Grows while the ball is not relevant; 0 once it is.
    double ballLostCounter = 0.0;
    /// 0 until the first cycle fixes it for good.
    double ballLostThreshold = 0.0;
};

} // namespace role
} // namespace decision_making

#endif
