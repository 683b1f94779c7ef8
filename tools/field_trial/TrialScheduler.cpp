#include "tools/field_trial/TrialScheduler.h"

#include "tools/field_trial/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

using namespace std::chrono_literals;

const char* const FIGURES_FILE = "figures.json";
const char* const LOG_FILE = "trial.log";
constexpr auto POLL = 20ms;

std::string failureOf(int status) {
    const std::string end = ChildProcess::describeEnd(status);
    return WIFSIGNALED(status) ? end : "its process " + end;
}

/// Written aside and renamed into place, so that a reader never sees half of it.
void writeWhole(const std::string& file, const std::string& text) {
    const std::string aside = file + ".part";
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + aside);
        }
    }
    std::filesystem::rename(aside, file);
}

std::string readWhole(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("no " + file);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TrialFigures named(const TrialRun& run) {
    TrialFigures figures;
    figures.trial = run.trial->getName();
    figures.body = run.body;
    return figures;
}

} // namespace

TrialScheduler::TrialScheduler(ConfigurationChoice configuration, const Damage& damage, int jobs)
    : configuration(std::move(configuration)), damage(damage), jobs(jobs < 1 ? 1 : jobs) {
    // A configuration that cannot be used is said once, before any trial starts.
    TrialFolder check(this->configuration);
}

std::vector<TrialFigures> TrialScheduler::run(const std::vector<TrialRun>& runs, std::ostream& progress) const {
    std::vector<TrialFigures> figures(runs.size());
    std::vector<Running> running;
    std::size_t next = 0;
    std::size_t done = 0;
    while (done < runs.size()) {
        while (next < runs.size() && running.size() < static_cast<std::size_t>(jobs) &&
               mayStart(*runs[next].trial, running, runs)) {
            running.push_back(start(next, runs[next]));
            ++next;
        }
        std::this_thread::sleep_for(POLL);
        for (auto trial = running.begin(); trial != running.end();) {
            int status = 0;
            const pid_t ended = ::waitpid(trial->pid, &status, WNOHANG);
            const bool late = ended == 0 && std::chrono::steady_clock::now() > trial->deadline;
            if (ended == 0 && !late) {
                ++trial;
                continue;
            }
            TrialFigures& result = figures[trial->index];
            if (late) {
                ::kill(trial->pid, SIGKILL);
                ::waitpid(trial->pid, &status, 0);
                result = named(runs[trial->index]);
                result.failure = "took longer than " + std::to_string(TRIAL_LIMIT.count()) + " minutes";
                trial->folder->keep();
                result.failure += " (its logs: " + trial->folder->getRoot() + ")";
            } else {
                result = collect(runs[trial->index], *trial, status);
            }
            ++done;
            progress << "[" << done << "/" << runs.size() << "] " << result.trial
                     << (result.body == TrialFigures::OWN_BODIES ? "" : ", body " + std::to_string(result.body)) << ": "
                     << (result.failure.empty() ? "done" : result.failure) << std::endl;
            trial = running.erase(trial);
        }
    }
    return figures;
}

bool TrialScheduler::mayStart(const Trial& trial, const std::vector<Running>& running,
                              const std::vector<TrialRun>& runs) {
    if (running.empty()) {
        return true;
    }
    if (trial.runsAlone()) {
        return false;
    }
    for (const Running& other : running) {
        if (runs[other.index].trial->runsAlone()) {
            return false;
        }
    }
    return true;
}

TrialScheduler::Running TrialScheduler::start(std::size_t index, const TrialRun& run) const {
    auto folder = std::make_unique<TrialFolder>(configuration);
    // What is buffered here would otherwise be written twice.
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start a trial's process");
    }
    if (pid == 0) {
        playHere(run, *folder);
    }
    return {index, pid, std::move(folder), std::chrono::steady_clock::now() + TRIAL_LIMIT};
}

TrialFigures TrialScheduler::collect(const TrialRun& run, Running& running, int status) const {
    TrialFigures figures = named(run);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        try {
            figures = TrialFigures::fromJson(readWhole(running.folder->getRoot() + "/" + FIGURES_FILE));
        } catch (const std::exception& error) {
            figures.failure = error.what();
        }
    } else {
        figures.failure = failureOf(status);
    }
    if (!figures.failure.empty()) {
        running.folder->keep();
        figures.failure += " (its logs: " + running.folder->getRoot() + ")";
    }
    return figures;
}

void TrialScheduler::playHere(const TrialRun& run, const TrialFolder& folder) const {
    int status = 1;
    try {
        // This process must not outlive the one that waits for it.
        if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) {
            throw std::runtime_error("cannot tie the trial's process to its parent");
        }
        const std::string log = folder.getRoot() + "/" + LOG_FILE;
        const int output = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (output < 0 || ::dup2(output, STDOUT_FILENO) < 0 || ::dup2(output, STDERR_FILENO) < 0) {
            throw std::runtime_error("cannot write " + log);
        }
        ::close(output);
        std::filesystem::current_path(folder.getWorkingFolder());
        TrialFigures figures = named(run);
        run.trial->perform(folder, run.body, damage, figures);
        writeWhole(folder.getRoot() + "/" + FIGURES_FILE, figures.toJson());
        status = 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
    }
    std::cout.flush();
    std::cerr.flush();
    // Not exit(): the exit handlers belong to the parent.
    ::_exit(status);
}

} // namespace field_trial
} // namespace tools
