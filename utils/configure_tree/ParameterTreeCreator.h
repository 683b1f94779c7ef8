#ifndef UTILS_CONFIGURE_TREE_PARAMETERTREECREATOR_H
#define UTILS_CONFIGURE_TREE_PARAMETERTREECREATOR_H

#include "utils/configure_tree/control/ControlNodeCreator.h"
#include "utils/configure_tree/representations/RepresentationsNodeCreator.h"

#include <stdexcept>

namespace utils {
namespace configure_tree {

/// Builds the whole configuration tree from the files under ../configuration/core. Every file is read once;
/// the first file that is missing or malformed stops the build with its reader's exception.
class ParameterTreeCreator {
public:
    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> getRoot() {
        auto root = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        auto controlNode = control::ControlNodeCreator::generateNode<T, S>();
        auto representationsNode = representations::RepresentationsNodeCreator::generateNode<T, S>();
        connectNodesToRoot(root, controlNode, representationsNode);
        return root;
    }

    template <typename T, typename S>
    static void
    connectNodesToRoot(std::shared_ptr<marlowinds_lib::utils::patterns::BranchParameter<T, S>> const& root,
                       std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> const& controlNode,
                       std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> const& representationsNode) {
        if (!root) {
            throw std::invalid_argument("ParameterTreeCreator::connectNodesToRoot: null root");
        }
        root->addChild(S("control"), controlNode);
        root->addChild(S("representations"), representationsNode);
    }
};

} // namespace configure_tree
} // namespace utils

#endif
