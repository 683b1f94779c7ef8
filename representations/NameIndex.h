#ifndef REPRESENTATIONS_NAMEINDEX_H
#define REPRESENTATIONS_NAMEINDEX_H

#include <cstddef>
#include <string>

namespace representations {

/// The index of the name that equals `name` exactly, or N when none does.
template <std::size_t N> int indexOfName(const std::string& name, const char* const (&names)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(N);
}

} // namespace representations

#endif
