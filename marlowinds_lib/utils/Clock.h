#ifndef MARLOWINDS_LIB_UTILS_CLOCK_H
#define MARLOWINDS_LIB_UTILS_CLOCK_H

namespace marlowinds_lib {
namespace utils {

/// The wall clock.
class Clock {
public:
    virtual ~Clock() = default;

    /// Seconds since the epoch, with microseconds.
    static double getTime();
};

} // namespace utils
} // namespace marlowinds_lib

#endif
