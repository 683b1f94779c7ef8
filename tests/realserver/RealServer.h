#ifndef TESTS_REALSERVER_REALSERVER_H
#define TESTS_REALSERVER_REALSERVER_H

#include <sys/types.h>

#include <chrono>
#include <string>

namespace tests {

/// The real simulation server, run by the command in the environment variable
/// RCSSSERVER3D on free loopback ports (within RCSSSERVER3D_PORTS, "first-last",
/// when that is set) in sync mode, its output kept in a file
/// of the given folder, which also holds its run files. Only this process is
/// ever signalled: SIGINT, then SIGKILL when it has not ended in time.
class RealServer {
public:
    /// The command, or empty when this machine has no real server.
    static std::string command();

    explicit RealServer(const std::string& folder);
    ~RealServer();
    RealServer(const RealServer&) = delete;
    RealServer& operator=(const RealServer&) = delete;

    /// True once both ports accept connections within the timeout.
    bool waitUntilListening(std::chrono::milliseconds timeout) const;
    /// The server's output so far, for failure messages.
    std::string log() const;

    int agentPort = 0;
    int monitorPort = 0;

private:
    pid_t pid = -1;
    std::string logFile;
};

} // namespace tests

#endif
