#ifndef AGENT_STOPSIGNAL_H
#define AGENT_STOPSIGNAL_H

#include <csignal>

namespace agent {

/// SIGTERM and SIGINT (what kill.sh and a terminal's Ctrl-C send) ask the player
/// to stop as at the normal end: the cycle in progress is finished, the loop
/// ends, and the parameter store is saved when the player goes. A second signal
/// of the same kind ends the process at once, for a server that no longer sends
/// anything.
class StopSignal {
public:
    StopSignal() = delete;

    /// Installs the handlers, except for a signal that is ignored already; from
    /// then on the first signal of each kind is only recorded.
    static void install();
    static bool requested() { return received != 0; }

private:
    static void record(int signal);

    static volatile std::sig_atomic_t received;
};

} // namespace agent

#endif
