#include "modeling/Modeling.h"

#include "control/Control.h"
#include "perception/Perception.h"

#include <utility>

namespace modeling {

Modeling::Modeling(int agentNumber, std::string teamName, int robotType)
    : agentModel(agentNumber, robotType), worldModel(agentNumber, std::move(teamName)) {}

void Modeling::model(perception::Perception& perception, control::Control& control) {
    AgentModelUpdateData data(perception.getAgentPerception(), control);
    agentModel.update(data);
    walkOdometry = control.getWalkOdometry();
    worldModel.update(perception.getAgentPerception(), agentModel, walkOdometry);
}

} // namespace modeling
