#include "core/utils/parameter_store/ParameterBind.h"

namespace core {
namespace utils {
namespace parameter_store {

namespace {

ParameterNode& makePath(ParameterNode& root, const std::string& path) {
    ParameterNode* node = &root;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        const std::size_t end = std::min(path.find('/', begin), path.size());
        node = &node->newChild(path.substr(begin, end - begin));
        begin = end + 1;
    }
    return *node;
}

} // namespace

ParameterBind::ParameterBind(ParameterNode& root, const std::string& nodePath) : node(makePath(root, nodePath)) {}

void ParameterBind::bindNew(const std::string& name, bool& variable, bool defaultValue, bool persisted) {
    const bool value = node.hasValue(name) ? node.getValue(name) : defaultValue;
    node.setValue(name, value, persisted);
    variable = value;
    bound.emplace_back(name, &variable);
}

void ParameterBind::pull() {
    for (auto& [name, variable] : bound) {
        *variable = node.getValue(name);
    }
}

} // namespace parameter_store
} // namespace utils
} // namespace core
