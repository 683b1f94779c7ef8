#ifndef CONTROL_KEYFRAME_MANAGER_KEYFRAMEPAGELOADER_H
#define CONTROL_KEYFRAME_MANAGER_KEYFRAMEPAGELOADER_H

#include "control/keyframe/ComplexKeyframePage.h"
#include "control/keyframe/KeyframePage.h"
#include "control/keyframe/KeyframeStep.h"

#include <boost/property_tree/ptree.hpp>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace control {
namespace keyframe {
namespace manager {

/// Turns the JSON object of one page file into a page. Members are read in any
/// order and members of other keys are ignored, at every level. Every fault
/// throws std::invalid_argument saying what is wrong; numbers may also be
/// written as JSON strings.
class KeyframePageLoader {
public:
    using Tree = boost::property_tree::ptree;
    using Pages = std::map<std::string, std::shared_ptr<KeyframePage>>;

    /// A page file with a member "complex", whatever its value, chains other pages.
    static bool isComplexPage(const Tree& content);

    /// A page of "steps": "interpolator" "spline" gives a spline page, any
    /// other text or none a linear one; "speedRate" is 1 when left out.
    static std::shared_ptr<KeyframePage> initializeAndLoadSimplePage(const Tree& content);
    /// A step object: each joint key sets that joint, "delta" the duration; what is left out is 0.
    static KeyframeStep generateStep(const Tree& step);

    /// The complex page's "name" and "speedRate" (1 when left out), without its sub-pages.
    static std::shared_ptr<ComplexKeyframePage> initializeComplexPage(const Tree& content);
    /// Adds the entries of "pages" from the loaded pages by name: each entry's
    /// "inverted" is false and its "speedRate" 1 when left out. A name that no
    /// loaded page has, or no entry at all, is a fault.
    static void loadComplexPage(const Tree& content, ComplexKeyframePage& page, const Pages& pages);

    /// Runs `read`; an std::invalid_argument it throws gets `context` and ": " in front of its message.
    template <typename Read> static void readWithContext(const std::string& context, Read read) {
        try {
            read();
        } catch (const std::invalid_argument& error) {
            throw std::invalid_argument(context + ": " + error.what());
        }
    }
};

} // namespace manager
} // namespace keyframe
} // namespace control

#endif
