#include "agent/StopSignal.h"

#include <signal.h>

#include <initializer_list>

namespace agent {

volatile std::sig_atomic_t StopSignal::received = 0;

void StopSignal::install() {
    struct sigaction action {};
    action.sa_handler = &StopSignal::record;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a wait for the server's next message goes on, and that
    // cycle is still played and answered. Reset to the default action: a second
    // signal of the same kind ends the process at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT}) {
        struct sigaction previous {};
        // A signal ignored from the start (a player started in the background
        // by a script) stays ignored.
        if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

void StopSignal::record(int) { received = 1; }

} // namespace agent
