#ifndef UTILS_CONFIGURE_TREE_REPRESENTATIONS_REPRESENTATIONSNODECREATOR_H
#define UTILS_CONFIGURE_TREE_REPRESENTATIONS_REPRESENTATIONSNODECREATOR_H

#include "utils/configure_tree/representations/NavigationParamsNodeCreator.h"

namespace utils {
namespace configure_tree {
namespace representations {

/// The "representations" branch, whose only child is "navigationParams".
class RepresentationsNodeCreator {
public:
    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        auto branch = std::make_shared<marlowinds_lib::utils::patterns::BranchParameter<T, S>>();
        branch->addChild(S("navigationParams"), NavigationParamsNodeCreator::generateNode<T, S>());
        return branch;
    }
};

} // namespace representations
} // namespace configure_tree
} // namespace utils

#endif
