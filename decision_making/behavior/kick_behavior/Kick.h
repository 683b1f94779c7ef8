#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICK_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICK_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/kick_behavior/KickParameters.h"

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// One kicking motion with the pose the robot must take before it starts.
/// Kicks live outside any behaviour factory: they reach no other behaviour.
class Kick : public Behavior {
public:
    /// Asks for the motion; a new request in every call.
    void behave(modeling::Modeling& modeling) override = 0;

    virtual KickParameters getKickParameters() const { return kickParameters; }
    virtual void setKickParameters(const KickParameters& parameters) { kickParameters = parameters; }
    /// A hook for kicks whose pose depends on the situation; none of ours does.
    virtual void computeParameters() {}
    virtual double getAccuracy() const { return 0.0; }

protected:
    Kick() = default;
    explicit Kick(const KickParameters& parameters) : kickParameters(parameters) {}

private:
    KickParameters kickParameters;
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
