#ifndef ACTION_ACTIONIMPL_H
#define ACTION_ACTIONIMPL_H

#include "action/Action.h"
#include "action/EffectorFactory.h"
#include "representations/NaoJoints.h"

#include <string>

namespace action {

/// Composes the messages; sending them is the agent's business.
class ActionImpl : public Action {
public:
    ActionImpl();

    void create(int robotType) override;
    void init(int agentNumber, const std::string& teamName) override;
    /// Say, beam and pass when due, then the 22 joint speed commands and "(syn)".
    /// A speed that is not a finite number is sent as 0 (the joint holds still)
    /// and a beam pose that is not finite is left out: the server cannot read
    /// either, and one bad value must not cost the whole message.
    void act(decision_making::DecisionMaking& decisionMaking, control::Control& control) override;
    const std::string& getServerMessage() const override { return serverMessage; }

private:
    EffectorFactory effectorFactory;
    std::string serverMessage;
    representations::NaoJoints jointSpeeds;
};

} // namespace action

#endif
