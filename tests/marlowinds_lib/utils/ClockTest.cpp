#include "marlowinds_lib/utils/Clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace marlowinds_lib {
namespace utils {
namespace {

TEST(ClockTest, ReadsTheWallClockInSeconds) {
    const double before = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double time = Clock::getTime();
    const double after = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    // Generous bounds: the clock's resolution is a microsecond, the machine is shared.
    EXPECT_GE(time, before - 1e-3);
    EXPECT_LE(time, after + 1e-3);
}

} // namespace
} // namespace utils
} // namespace marlowinds_lib
