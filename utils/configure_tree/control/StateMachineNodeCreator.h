#ifndef UTILS_CONFIGURE_TREE_CONTROL_STATEMACHINENODECREATOR_H
#define UTILS_CONFIGURE_TREE_CONTROL_STATEMACHINENODECREATOR_H

#include "representations/MarlowindsConstants.h"
#include "utils/configure_tree/control/KeyframeNodeCreator.h"
#include "utils/configure_tree/control/KickNodeCreator.h"
#include "utils/configure_tree/control/WalkNodeCreator.h"

namespace utils {
namespace configure_tree {
namespace control {

/// The "stateMachine" branch: "walk", "kick" and "keyframe", read in that order.
class StateMachineNodeCreator {
public:
    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        auto branch = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        branch->addChild(S("walk"), WalkNodeCreator::generateNode<T, S>());
        branch->addChild(S("kick"), KickNodeCreator::generateNode<T, S>());
        branch->addChild(
            S("keyframe"),
            KeyframeNodeCreator(::representations::MarlowindsConstants::KEYFRAME_FOLDER).generateNode<T, S>());
        return branch;
    }
};

} // namespace control
} // namespace configure_tree
} // namespace utils

#endif
