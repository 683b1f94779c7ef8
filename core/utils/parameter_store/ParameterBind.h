#ifndef CORE_UTILS_PARAMETER_STORE_PARAMETERBIND_H
#define CORE_UTILS_PARAMETER_STORE_PARAMETERBIND_H

#include "core/utils/parameter_store/ParameterNode.h"

#include <string>
#include <utility>
#include <vector>

namespace core {
namespace utils {
namespace parameter_store {

/// Binds program variables to the values of one store node, so that a switch
/// changed in the store reaches the program at its next pull.
class ParameterBind {
public:
    /// The node at nodePath ("a/b") below root, made when missing.
    ParameterBind(ParameterNode& root, const std::string& nodePath);

    /// Binds variable to the value name; a value the store does not hold yet
    /// starts as defaultValue. variable must outlive this binding.
    void bindNew(const std::string& name, bool& variable, bool defaultValue, bool persisted);
    /// Copies the store's current values into every bound variable.
    void pull();

private:
    ParameterNode& node;
    std::vector<std::pair<std::string, bool*>> bound;
};

} // namespace parameter_store
} // namespace utils
} // namespace core

#endif
