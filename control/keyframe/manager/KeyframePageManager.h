#ifndef CONTROL_KEYFRAME_MANAGER_KEYFRAMEPAGEMANAGER_H
#define CONTROL_KEYFRAME_MANAGER_KEYFRAMEPAGEMANAGER_H

#include "control/keyframe/KeyframePage.h"
#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <boost/property_tree/ptree.hpp>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace control {
namespace keyframe {
namespace manager {

/// The keyframe pages by name, loaded once at start-up from the "keyframe"
/// node of the configuration tree. Every request of a name gets the same page
/// object.
class KeyframePageManager {
public:
    using Node = marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>;

    /// Loads one page from each leaf (a page file keyed by its path). Pages are
    /// stored under their "name"; of two files of one name, the one whose path
    /// sorts later wins. Complex pages may name pages of any file. A file that
    /// is not a sound page (see KeyframePageLoader and the page classes)
    /// throws std::invalid_argument naming the file, and nothing is loaded.
    void setParameter(Node& keyframe);

    bool hasPage(const std::string& name) const { return pages.count(name) > 0; }
    /// Throws std::out_of_range naming the page when no file defines it; ask hasPage first.
    std::shared_ptr<KeyframePage> getPage(const std::string& name) const;
    /// Every loaded page's name, in order.
    std::vector<std::string> getPageNames() const;
    /// The names, in the given order, that no loaded page has.
    std::vector<std::string> findMissingPages(const std::vector<std::string>& names) const;

private:
    std::map<std::string, std::shared_ptr<KeyframePage>> pages;
};

} // namespace manager
} // namespace keyframe
} // namespace control

#endif
