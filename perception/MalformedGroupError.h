#ifndef PERCEPTION_MALFORMEDGROUPERROR_H
#define PERCEPTION_MALFORMEDGROUPERROR_H

#include <stdexcept>
#include <string>

namespace perception {

/// A server group lacks a nested group or token that its perceptor reads, or
/// carries a number that does not read or is not finite. The group is skipped
/// and the rest of its message used.
class MalformedGroupError : public std::runtime_error {
public:
    explicit MalformedGroupError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace perception

#endif
