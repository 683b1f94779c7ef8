#ifndef TOOLS_FIELD_TRIAL_CHILDPROCESS_H
#define TOOLS_FIELD_TRIAL_CHILDPROCESS_H

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// A program run as a child of this process in its working folder, its output
/// going to a file. Only this process is ever signalled: the signal that asks
/// it to end, then SIGKILL when it has not ended in time. Should the thread
/// that started it die first, the system kills it.
class ChildProcess {
public:
    /// Longest wait for the program to end after it was asked to.
    static constexpr std::chrono::seconds GRACE{5};

    /// arguments[0] is the program's path. Throws std::runtime_error when no
    /// process can be started; a program that cannot run ends with status 127.
    ChildProcess(const std::vector<std::string>& arguments, const std::string& logFile, int stopSignal);
    /// Stops it, as stop() does.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    /// Sends the stop signal, once, without waiting.
    void askToStop();
    /// Asks it to stop, when that was not done yet, and waits for it; GRACE
    /// after it was asked, it is killed.
    void stop();
    /// True once the process has ended, waiting up to the timeout for it.
    bool hasEnded(std::chrono::milliseconds timeout);
    /// Ended with exit status 0.
    bool endedCleanly() const;
    /// How it ended ("ended with status 1", "crashed (Segmentation fault)"); empty while it runs.
    std::string howItEnded() const;
    /// CPU time (s) it has used in all its threads, its own and the system's on
    /// its behalf; none once it has ended.
    std::optional<double> cpuSeconds() const;

    const std::string& getLogFile() const { return logFile; }

    /// An ended process's wait status in words.
    static std::string describeEnd(int status);

private:
    pid_t pid = -1;
    int stopSignal;
    std::optional<std::chrono::steady_clock::time_point> askedAt;
    bool ended = false;
    /// Killed, for not ending within GRACE of being asked.
    bool killed = false;
    int status = 0;
    std::string logFile;
};

} // namespace field_trial
} // namespace tools

#endif
