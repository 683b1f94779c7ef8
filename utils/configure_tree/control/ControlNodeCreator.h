#ifndef UTILS_CONFIGURE_TREE_CONTROL_CONTROLNODECREATOR_H
#define UTILS_CONFIGURE_TREE_CONTROL_CONTROLNODECREATOR_H

#include "utils/configure_tree/control/StateMachineNodeCreator.h"

namespace utils {
namespace configure_tree {
namespace control {

/// The "control" branch, whose only child is "stateMachine".
class ControlNodeCreator {
public:
    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        auto branch = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        branch->addChild(S("stateMachine"), StateMachineNodeCreator::generateNode<T, S>());
        return branch;
    }
};

} // namespace control
} // namespace configure_tree
} // namespace utils

#endif
