#include "modeling/Modeling.h"

#include "control/Control.h"
#include "perception/Perception.h"

#include <utility>

namespace modeling {

Modeling::Modeling(int agentNumber, std::string teamName, int /*robotType*/)
    : worldModel(agentNumber, std::move(teamName)) {}

void Modeling::model(perception::Perception& perception, control::Control& control) {
    walkOdometry = control.getWalkOdometry();
    worldModel.update(perception.getAgentPerception(), walkOdometry);
}

} // namespace modeling
