#ifndef UTILS_CONFIGURE_TREE_REPRESENTATIONS_NAVIGATIONPARAMSNODECREATOR_H
#define UTILS_CONFIGURE_TREE_REPRESENTATIONS_NAVIGATIONPARAMSNODECREATOR_H

#include "utils/configure_tree/ParameterFileReader.h"

namespace utils {
namespace configure_tree {
namespace representations {

/// The "navigationParams" branch: one leaf per navigation parameter set.
class NavigationParamsNodeCreator {
public:
    static constexpr const char* FOLDER = "../configuration/core/representations/navigation_params/";

    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        using Type = ::control::walking::OmnidirectionalWalkZMParamsType;
        static constexpr std::array<Type, 12> READ_ORDER = {
            Type::NORMAL,         Type::PRECISE,      Type::CIRCLE,         Type::CONDUCT,
            Type::CONDUCT_SPRINT, Type::CONDUCT_TURN, Type::SPRINT_CONDUCT, Type::SPRINT,
            Type::SPRINT_TURN,    Type::TURN_CONDUCT, Type::TURN,           Type::TURN_SPRINT,
        };
        return ParameterFileReader::readParameterSets<T, S>(FOLDER, READ_ORDER);
    }
};

} // namespace representations
} // namespace configure_tree
} // namespace utils

#endif
