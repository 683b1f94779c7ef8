#include "control/ControlImpl.h"

namespace control {

// Nothing held here depends on the body type.
ControlImpl::ControlImpl(representations::RobotType::ROBOT_TYPE /*robotType*/) {}

ControlImpl::ControlImpl(int /*robotType*/) {}

void ControlImpl::control(perception::Perception& /*perception*/, modeling::Modeling& /*modeling*/,
                          decision_making::DecisionMaking& /*decisionMaking*/) {
    jointsCommands.clear();
}

} // namespace control
