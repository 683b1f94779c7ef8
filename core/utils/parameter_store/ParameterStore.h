#ifndef CORE_UTILS_PARAMETER_STORE_PARAMETERSTORE_H
#define CORE_UTILS_PARAMETER_STORE_PARAMETERSTORE_H

#include "core/utils/parameter_store/ParameterNode.h"

#include <string>

namespace core {
namespace utils {
namespace parameter_store {

/// A hierarchical store of on/off parameters kept in a folder between runs.
/// The agent loads its node at start-up and saves the whole store at the end;
/// debug tools bind their switches to it.
class ParameterStore {
public:
    ParameterStore() = default;
    ParameterStore(const ParameterStore&) = delete;
    ParameterStore& operator=(const ParameterStore&) = delete;

    /// The store of the process.
    static ParameterStore& global();

    /// The folder that load and save paths are relative to (initially the working directory).
    void setOriginFolder(const std::string& folder) { originFolder = folder; }
    const std::string& getOriginFolder() const { return originFolder; }

    ParameterNode& root() { return rootNode; }

private:
    std::string originFolder = ".";
    ParameterNode rootNode{*this};
};

} // namespace parameter_store
} // namespace utils
} // namespace core

#endif
