#ifndef TESTS_AGENT_AGENTPROCESS_H
#define TESTS_AGENT_AGENTPROCESS_H

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tests {

/// The agent program run as a child process in a working directory of the
/// test's choosing, its output captured in files. Only this child is ever
/// signalled: a child still running when the object goes is killed and reaped.
class AgentProcess {
public:
    AgentProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& workingDirectory, const std::string& outputFolder);
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    /// The exit status once the process has ended within the timeout (128 +
    /// the signal number when a signal ended it), nothing while it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    /// Sends the signal to the child while it runs.
    void sendSignal(int signal);

    std::string standardOutput() const;
    std::string standardError() const;
    /// Both outputs, for failure messages.
    std::string describe() const;

private:
    pid_t pid = -1;
    std::optional<int> exitStatus;
    std::string outputFile;
    std::string errorFile;
};

} // namespace tests

#endif
