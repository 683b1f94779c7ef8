#ifndef MARLOWINDS_LIB_UTILS_PATTERNS_LEAFPARAMETER_H
#define MARLOWINDS_LIB_UTILS_PATTERNS_LEAFPARAMETER_H

#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <functional>
#include <utility>

namespace marlowinds_lib {
namespace utils {
namespace patterns {

/// Leaf of the configuration tree: the content of one configuration file.
template <typename T, typename S> class LeafParameter : public Parameter<T, S> {
public:
    using typename Parameter<T, S>::Children;

    LeafParameter() = default;
    explicit LeafParameter(T content) : content(std::move(content)) {}

    bool hasChild() const override { return false; }

    Parameter<T, S>& getChild(S const&) override { throw std::bad_function_call(); }

    T& getContent() override { return content; }

    Children& getChildren() override { throw std::bad_function_call(); }

private:
    T content;
};

} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib

#endif
