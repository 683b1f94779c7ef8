#ifndef MODELING_AGENTMODELUPDATEDATA_H
#define MODELING_AGENTMODELUPDATEDATA_H

namespace perception {
class AgentPerception;
}
namespace control {
class Control;
}

namespace modeling {

/// What one agent-model update is given; both are owned by the caller.
class AgentModelUpdateData {
public:
    AgentModelUpdateData(perception::AgentPerception& agentPerception, control::Control& control)
        : agentPerception(agentPerception), control(control) {}

    perception::AgentPerception& agentPerception;
    control::Control& control;
};

} // namespace modeling

#endif
