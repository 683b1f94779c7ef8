#ifndef TESTS_SUPPORT_WATCHDOG_H
#define TESTS_SUPPORT_WATCHDOG_H

#include <csignal>
#include <unistd.h>

namespace tests {

/// Ends the test process when a test outlives its bound, so that a hung
/// thread fails the test instead of stalling the suite. It is an alarm, not a
/// thread: the code under test keeps the only second thread.
class Watchdog {
public:
    explicit Watchdog(unsigned int seconds) {
        std::signal(SIGALRM, onAlarm);
        ::alarm(seconds);
    }
    ~Watchdog() { ::alarm(0); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    static void onAlarm(int) {
        const char text[] = "watchdog: the test did not finish in time\n";
        [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, text, sizeof text - 1);
        ::_exit(1);
    }
};

} // namespace tests

#endif
