#ifndef MARLOWINDS_LIB_UTILS_PATTERNS_PARAMETER_H
#define MARLOWINDS_LIB_UTILS_PATTERNS_PARAMETER_H

#include <map>
#include <memory>

namespace marlowinds_lib {
namespace utils {
namespace patterns {

/// A node of the configuration tree: a branch of named children or a leaf holding one content tree.
/// Asking a node for what its kind does not hold raises std::bad_function_call.
template <typename T, typename S> class Parameter {
public:
    using Children = std::map<S, std::shared_ptr<Parameter<T, S>>>;

    virtual bool hasChild() const = 0;
    /// Raises std::out_of_range ("map::at") when a branch has no child of that name.
    virtual Parameter& getChild(S const& name) = 0;
    virtual T& getContent() = 0;
    virtual Children& getChildren() = 0;

protected:
    // Nodes are only ever owned through std::shared_ptr made from the concrete type, which destroys them
    // correctly; the protected destructor forbids deleting one through this base.
    Parameter() = default;
    Parameter(Parameter const&) = default;
    Parameter& operator=(Parameter const&) = default;
    ~Parameter() = default;
};

} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib

#endif
