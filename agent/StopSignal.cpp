#include "agent/StopSignal.h"

#include <signal.h>

namespace agent {

volatile std::sig_atomic_t StopSignal::received = 0;

void StopSignal::install() {
    struct sigaction action {};
    action.sa_handler = &StopSignal::record;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a wait for the server's next message goes on, and that
    // cycle is still played and answered.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void StopSignal::record(int) {
    received = 1;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

} // namespace agent
