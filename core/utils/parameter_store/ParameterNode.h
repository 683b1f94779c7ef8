#ifndef CORE_UTILS_PARAMETER_STORE_PARAMETERNODE_H
#define CORE_UTILS_PARAMETER_STORE_PARAMETERNODE_H

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace core {
namespace utils {
namespace parameter_store {

class ParameterStore;

/// One node of the persistent parameter store: named on/off values and child
/// nodes. On disk a node is a folder holding "values.json" (its persisted
/// values as a JSON object of booleans) and one subfolder per child.
class ParameterNode {
public:
    static const std::string VALUES_FILE;

    /// Load and save paths are relative to the store's origin folder.
    explicit ParameterNode(const ParameterStore& store);
    ParameterNode(const ParameterNode&) = delete;
    ParameterNode& operator=(const ParameterNode&) = delete;

    /// The child of that name, made when missing. A name must be usable as a
    /// folder name: not empty, not "." or "..", without '/'; otherwise
    /// std::invalid_argument.
    ParameterNode& newChild(const std::string& name);
    /// std::out_of_range naming the child when there is none.
    ParameterNode& child(const std::string& name);
    bool hasChild(const std::string& name) const;

    /// Reads the node and its children from the folder path below the origin.
    /// A missing folder reads as nothing; values read replace those held. A
    /// malformed values file raises std::runtime_error naming the file. The
    /// node remembers the folder: saving its parent writes it back there.
    void load(const std::string& path);
    /// Writes the node and its children to the folder path below the origin; a
    /// child goes to the folder it was loaded from, else to its name below path.
    /// Each file is written whole under a temporary name and then renamed over
    /// the old one, so a reader never sees half a file. Never throws: a failure
    /// is reported on the standard error stream and gives false.
    bool save(const std::string& path) const noexcept;

    bool hasValue(const std::string& name) const;
    /// std::out_of_range naming the value when there is none.
    bool getValue(const std::string& name) const;
    /// Makes the value when missing; a persisted value is written by save.
    void setValue(const std::string& name, bool value, bool persisted);

private:
    struct Value {
        bool value;
        bool persisted;
    };

    std::string folder(const std::string& path) const;
    void read(const std::string& path);
    void readValues(const std::string& file);
    bool writeValues(const std::string& folder) const;

    const ParameterStore& store;
    std::map<std::string, Value> values;
    std::map<std::string, std::unique_ptr<ParameterNode>> children;
    std::optional<std::string> loadedFrom;
};

} // namespace parameter_store
} // namespace utils
} // namespace core

#endif
