#ifndef TOOLS_FIELD_TRIAL_TRIALSCHEDULER_H
#define TOOLS_FIELD_TRIAL_TRIALSCHEDULER_H

#include "tools/field_trial/Trial.h"
#include "tools/field_trial/TrialField.h"
#include "tools/field_trial/TrialFigures.h"
#include "tools/field_trial/TrialFolder.h"

#include <sys/types.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// One trial on one body type.
struct TrialRun {
    const Trial* trial;
    int body;
};

/// Runs trials, each in a process of its own with a server of its own on
/// private ports, up to a number of them at once; one that runs alone has the
/// machine to itself. A trial's process starts from this one's state, with
/// nothing that another trial has changed (the agent keeps process-wide
/// state), and a crash costs only that trial.
class TrialScheduler {
public:
    /// Longest a trial may take (wall clock); its process is then killed.
    static constexpr std::chrono::minutes TRIAL_LIMIT{20};

    TrialScheduler(ConfigurationChoice configuration, const Damage& damage, int jobs);

    /// The figures in the order of the runs. A trial that could not run to its
    /// end has its failure said, and its folder (logs, server output) is kept
    /// and named. A line goes to progress as each trial ends.
    std::vector<TrialFigures> run(const std::vector<TrialRun>& runs, std::ostream& progress) const;

private:
    struct Running {
        std::size_t index;
        pid_t pid;
        std::unique_ptr<TrialFolder> folder;
        std::chrono::steady_clock::time_point deadline;
    };

    static bool mayStart(const Trial& trial, const std::vector<Running>& running, const std::vector<TrialRun>& runs);
    Running start(std::size_t index, const TrialRun& run) const;
    /// What the ended process left: its figures, or its failure.
    TrialFigures collect(const TrialRun& run, Running& running, int status) const;
    /// In the trial's process: plays it, writes its figures, and ends the process.
    [[noreturn]] void playHere(const TrialRun& run, const TrialFolder& folder) const;

    ConfigurationChoice configuration;
    Damage damage;
    int jobs;
};

} // namespace field_trial
} // namespace tools

#endif
