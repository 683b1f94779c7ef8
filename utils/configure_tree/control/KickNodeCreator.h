#ifndef UTILS_CONFIGURE_TREE_CONTROL_KICKNODECREATOR_H
#define UTILS_CONFIGURE_TREE_CONTROL_KICKNODECREATOR_H

#include "utils/configure_tree/ParameterFileReader.h"

namespace utils {
namespace configure_tree {
namespace control {

/// The "kick" node: a single leaf holding the kick parameter file.
class KickNodeCreator {
public:
    static constexpr const char* FILE = "../configuration/core/control/kick/normal-parameters.json";

    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        return ParameterFileReader::readLeaf<T, S>(FILE);
    }
};

} // namespace control
} // namespace configure_tree
} // namespace utils

#endif
