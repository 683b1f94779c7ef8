#ifndef UTILS_CONFIGURE_TREE_CONTROL_WALKNODECREATOR_H
#define UTILS_CONFIGURE_TREE_CONTROL_WALKNODECREATOR_H

#include "utils/configure_tree/ParameterFileReader.h"

namespace utils {
namespace configure_tree {
namespace control {

/// The "walk" branch: one leaf per walk parameter set.
class WalkNodeCreator {
public:
    static constexpr const char* FOLDER = "../configuration/core/control/walk/";

    template <typename T, typename S>
    static std::shared_ptr<marlowinds_lib::utils::patterns::Parameter<T, S>> generateNode() {
        using Type = ::control::walking::OmnidirectionalWalkZMParamsType;
        static constexpr std::array<Type, 12> READ_ORDER = {
            Type::NORMAL,      Type::PRECISE,     Type::CONDUCT,        Type::TURN,
            Type::SPRINT,      Type::CIRCLE,      Type::CONDUCT_SPRINT, Type::SPRINT_CONDUCT,
            Type::SPRINT_TURN, Type::TURN_SPRINT, Type::TURN_CONDUCT,   Type::CONDUCT_TURN,
        };
        return ParameterFileReader::readParameterSets<T, S>(FOLDER, READ_ORDER);
    }
};

} // namespace control
} // namespace configure_tree
} // namespace utils

#endif
