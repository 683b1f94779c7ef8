#ifndef ACTION_ACTION_H
#define ACTION_ACTION_H

#include <string>

namespace control {
class Control;
}
namespace decision_making {
class DecisionMaking;
}

namespace action {

/// Writes what the agent tells the server: the scene request, the init
/// command, then one command message per cycle.
class Action {
public:
    /// The model file of the heterogeneous NAO.
    static const std::string NAO_SCENE_STRING;

    virtual ~Action() = default;

    virtual void create(int robotType) = 0;
    virtual void init(int agentNumber, const std::string& teamName) = 0;
    /// The cycle's message from what decision making and motion control produced.
    virtual void act(decision_making::DecisionMaking& decisionMaking, control::Control& control) = 0;
    /// The text of the latest create, init or act.
    virtual const std::string& getServerMessage() const = 0;
};

} // namespace action

#endif
