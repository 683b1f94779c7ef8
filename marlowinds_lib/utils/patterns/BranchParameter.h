#ifndef MARLOWINDS_LIB_UTILS_PATTERNS_BRANCHPARAMETER_H
#define MARLOWINDS_LIB_UTILS_PATTERNS_BRANCHPARAMETER_H

#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace marlowinds_lib {
namespace utils {
namespace patterns {

/// Inner node of the configuration tree: children by name, visited in ascending name order.
template <typename T, typename S> class BranchParameter : public Parameter<T, S> {
public:
    using typename Parameter<T, S>::Children;

    bool hasChild() const override { return !children.empty(); }

    Parameter<T, S>& getChild(S const& name) override { return *children.at(name); }

    T& getContent() override { throw std::bad_function_call(); }

    Children& getChildren() override { return children; }

    /// Keeps the child already stored under the name, if any, and drops the new one.
    virtual void addChild(S name, std::shared_ptr<Parameter<T, S>> child) {
        if (!child) {
            throw std::invalid_argument("BranchParameter::addChild: null child");
        }
        children.emplace(std::move(name), std::move(child));
    }

private:
    Children children;
};

} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib

#endif
