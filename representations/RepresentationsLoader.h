#ifndef REPRESENTATIONS_REPRESENTATIONSLOADER_H
#define REPRESENTATIONS_REPRESENTATIONSLOADER_H

#include "marlowinds_lib/utils/patterns/Parameter.h"
#include "representations/NavigationParams.h"

#include <stdexcept>
#include <string>

namespace representations {

/// Fills the class-wide navigation parameter sets from the "representations" branch of the configuration tree.
class RepresentationsLoader {
public:
    /// Children of "navigationParams" named after a set go to that set, "current" to the normal set (applied
    /// before "normal", which wins); other children are ignored. A value that is not a number raises the
    /// exception of NavigationParams::setNavigationParameter with the set's file named first.
    template <typename T, typename S>
    void setParameter(marlowinds_lib::utils::patterns::Parameter<T, S>& representations) {
        for (auto& child : representations.getChildren()) {
            if (child.first != "navigationParams") {
                continue;
            }
            for (auto& leaf : child.second->getChildren()) {
                NavigationParams* const target = findNavigationParams(leaf.first);
                if (target != nullptr) {
                    applyNavigationParameter(*leaf.second, *target, leaf.first);
                }
            }
        }
    }

private:
    /// The set that a child of "navigationParams" fills; nullptr for names that fill none.
    static NavigationParams* findNavigationParams(std::string const& name);

    static void
    applyNavigationParameter(marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>& leaf,
                             NavigationParams& target, std::string const& name);
};

} // namespace representations

#endif
