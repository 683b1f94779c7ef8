#include "tests/agent/AgentProcess.h"

#include "tests/core/utils/command_line_parser/Arguments.h"
#include "tests/support/TemporaryFolder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace tests {

AgentProcess::AgentProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& workingDirectory, const std::string& outputFolder)
    : outputFile(outputFolder + "/agent.out"), errorFile(outputFolder + "/agent.err") {
    // Everything the child needs is prepared before fork: after it, the child
    // only calls what is safe in a copy of a threaded process.
    Arguments commandLine(arguments, program);

    pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot fork the agent");
    }
    if (pid == 0) {
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0 ||
            ::chdir(workingDirectory.c_str()) != 0) {
            ::_exit(126);
        }
        ::execv(program.c_str(), commandLine.argv());
        ::_exit(127);
    }
}

AgentProcess::~AgentProcess() {
    if (pid > 0 && !exitStatus) {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
}

std::optional<int> AgentProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!exitStatus) {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        } else if (std::chrono::steady_clock::now() >= deadline) {
            break;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return exitStatus;
}

void AgentProcess::sendSignal(int signal) {
    if (pid > 0 && !exitStatus) {
        ::kill(pid, signal);
    }
}

std::string AgentProcess::standardOutput() const { return TemporaryFolder::read(outputFile); }

std::string AgentProcess::standardError() const { return TemporaryFolder::read(errorFile); }

std::string AgentProcess::describe() const {
    return "agent standard output:\n" + standardOutput() + "\nagent standard error:\n" + standardError();
}

} // namespace tests
