#include "tools/field_trial/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace tools {
namespace field_trial {

namespace {

using namespace std::chrono_literals;

/// utime and stime, counted from the state, the first field after the command's name.
constexpr int USER_TIME_FIELD = 11;
constexpr int SYSTEM_TIME_FIELD = 12;

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::string& logFile, int stopSignal)
    : stopSignal(stopSignal), logFile(logFile) {
    std::vector<std::string> words = arguments;
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start " + arguments.at(0));
    }
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec. A child whose
        // owner died would otherwise run on: a server unsynchronised, at full speed.
        if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != parent) {
            ::_exit(127);
        }
        const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log < 0 || ::dup2(log, STDOUT_FILENO) < 0 || ::dup2(log, STDERR_FILENO) < 0) {
            ::_exit(127);
        }
        // The owner's connections and files are none of the child's business.
        ::close_range(STDERR_FILENO + 1, ~0U, 0);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::askToStop() {
    if (askedAt) {
        return;
    }
    askedAt = std::chrono::steady_clock::now();
    // Never kill(-1, ...): that would signal every process we may signal.
    if (!ended && pid > 0) {
        ::kill(pid, stopSignal);
    }
}

void ChildProcess::stop() {
    askToStop();
    const auto left = *askedAt + GRACE - std::chrono::steady_clock::now();
    if (!hasEnded(std::chrono::duration_cast<std::chrono::milliseconds>(std::max(left, left.zero())))) {
        ::kill(pid, SIGKILL);
        killed = true;
        hasEnded(GRACE);
    }
}

bool ChildProcess::hasEnded(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ended && ::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    // Reaped: the id may be another process's from now on.
    ended = true;
    return true;
}

bool ChildProcess::endedCleanly() const { return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

std::string ChildProcess::howItEnded() const {
    if (killed) {
        return "killed, " + std::to_string(GRACE.count()) + " s after it was asked to end";
    }
    return ended ? describeEnd(status) : "";
}

std::string ChildProcess::describeEnd(int status) {
    if (WIFSIGNALED(status)) {
        return std::string("crashed (") + ::strsignal(WTERMSIG(status)) + ")";
    }
    return "ended with status " + std::to_string(WEXITSTATUS(status));
}

std::optional<double> ChildProcess::cpuSeconds() const {
    if (ended) {
        return std::nullopt;
    }
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command's name, in parentheses, may hold blanks and parentheses itself.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    double ticks = 0.0;
    for (int index = 0; index <= SYSTEM_TIME_FIELD && fields >> field; ++index) {
        if (index == USER_TIME_FIELD || index == SYSTEM_TIME_FIELD) {
            ticks += std::stod(field);
        }
    }
    if (!fields) {
        return std::nullopt;
    }
    return ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

} // namespace field_trial
} // namespace tools
