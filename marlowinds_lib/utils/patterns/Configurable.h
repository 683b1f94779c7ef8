#ifndef MARLOWINDS_LIB_UTILS_PATTERNS_CONFIGURABLE_H
#define MARLOWINDS_LIB_UTILS_PATTERNS_CONFIGURABLE_H

namespace marlowinds_lib {
namespace utils {
namespace patterns {

/// Marks a component configured from the parameter tree; the component derives from it with itself as T.
template <typename T> class Configurable {};

} // namespace patterns
} // namespace utils
} // namespace marlowinds_lib

#endif
