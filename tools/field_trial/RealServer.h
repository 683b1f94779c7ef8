#ifndef TOOLS_FIELD_TRIAL_REALSERVER_H
#define TOOLS_FIELD_TRIAL_REALSERVER_H

#include <sys/types.h>

#include <chrono>
#include <string>

namespace tools {
namespace field_trial {

/// The real simulation server, run by the command in the environment variable
/// RCSSSERVER3D on free loopback ports (within RCSSSERVER3D_PORTS, "first-last",
/// when that is set) in sync mode, its output kept in a file of the given
/// folder, which also holds its run files. Only this process is ever
/// signalled: SIGINT, then SIGKILL when it has not ended in time. Should the
/// thread that started it die first, the system kills it.
class RealServer {
public:
    /// The command, or empty when this machine has no real server.
    static std::string command();

    explicit RealServer(const std::string& folder);
    ~RealServer();
    RealServer(const RealServer&) = delete;
    RealServer& operator=(const RealServer&) = delete;

    /// True once both ports accept connections within the timeout; false at
    /// once when the server has ended.
    bool waitUntilListening(std::chrono::milliseconds timeout);
    /// The server's output so far, for failure messages.
    std::string log() const;
    const std::string& getLogFile() const { return logFile; }

    int agentPort = 0;
    int monitorPort = 0;

private:
    /// True, once, when the process has ended; it is reaped then.
    bool hasEnded(std::chrono::milliseconds timeout);

    pid_t pid = -1;
    std::string logFile;
};

} // namespace field_trial
} // namespace tools

#endif
