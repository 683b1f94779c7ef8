#ifndef TOOLS_FIELD_TRIAL_REALSERVER_H
#define TOOLS_FIELD_TRIAL_REALSERVER_H

#include "tools/field_trial/ChildProcess.h"

#include <chrono>
#include <optional>
#include <string>

namespace tools {
namespace field_trial {

/// The real simulation server, run by the command in the environment variable
/// RCSSSERVER3D on free loopback ports (within RCSSSERVER3D_PORTS, "first-last",
/// when that is set) in sync mode, its output kept in a file of the given
/// folder, which also holds its run files. It is stopped by SIGINT (it
/// ignores SIGTERM), then SIGKILL when it has not ended in time.
class RealServer {
public:
    /// The command, or empty when this machine has no real server.
    static std::string command();

    explicit RealServer(const std::string& folder);

    /// True once both ports accept connections within the timeout; false at
    /// once when the server has ended.
    bool waitUntilListening(std::chrono::milliseconds timeout);
    /// The server's output so far, for failure messages.
    std::string log() const;
    const std::string& getLogFile() const { return process->getLogFile(); }

    int agentPort = 0;
    int monitorPort = 0;

private:
    /// Started once the ports are chosen.
    std::optional<ChildProcess> process;
};

} // namespace field_trial
} // namespace tools

#endif
