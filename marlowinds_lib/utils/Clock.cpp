#include "marlowinds_lib/utils/Clock.h"

#include <sys/time.h>

namespace marlowinds_lib {
namespace utils {

double Clock::getTime() {
    timeval now{};
    gettimeofday(&now, nullptr);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_usec) / 1e6;
}

} // namespace utils
} // namespace marlowinds_lib
