#ifndef TOOLS_FIELD_TRIAL_MATCHTRIAL_H
#define TOOLS_FIELD_TRIAL_MATCHTRIAL_H

#include "tools/field_trial/ChildProcess.h"
#include "tools/field_trial/MatchWatch.h"
#include "tools/field_trial/MatchWizard.h"
#include "tools/field_trial/Trial.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// The team against itself: the agent's own program, eleven processes a side,
/// for the game time from the kick-off, with the wizard on the monitor port
/// for the truth and the kick-off. Each player's output goes to a log file in
/// the trial's folder. Fails on a player whose process ended before the match
/// did or not cleanly when asked to, on a missed cycle, and on a truth that
/// is not finite.
class MatchTrial : public Trial {
public:
    /// The team names, left side first: the first to join takes the left.
    static constexpr const char* TEAMS[] = {"Home", "Away"};

    MatchTrial(std::string name, double seconds);

    bool playsEachBody() const override { return false; }
    bool runsAlone() const override { return true; }
    void perform(const TrialFolder& folder, int body, const Damage& damage, TrialFigures& figures) const override;

private:
    using Players = std::vector<std::unique_ptr<ChildProcess>>;

    /// Plays the match into the watch; throws std::runtime_error when it cannot go on.
    void play(const TrialFolder& folder, MatchWatch& watch, TrialFigures& figures) const;
    /// Starts the players one at a time, each once the one before is on the field.
    static Players join(const TrialFolder& folder, const RealServer& server, MatchWizard& wizard);
    /// Kicks off once the players stand, and waits for the game clock.
    static void kickOff(MatchWizard& wizard);
    /// Watches the match from the kick-off to its end, noting the players that left it.
    void playUntilTheEnd(const MatchWizard& wizard, const RealServer& server, const Players& players, MatchWatch& watch,
                         TrialFigures& figures) const;
    static void stopAll(const Players& players);
    /// CPU time per cycle over the players that ran to the end.
    static void countCpu(const std::vector<std::optional<double>>& before, const Players& players, double cycles,
                         TrialFigures& figures);

    double seconds;
};

} // namespace field_trial
} // namespace tools

#endif
