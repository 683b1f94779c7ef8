#ifndef TOOLS_FIELD_TRIAL_GETUPTRIAL_H
#define TOOLS_FIELD_TRIAL_GETUPTRIAL_H

#include "control/MovementRequest.h"
#include "tools/field_trial/SinglePlayerTrial.h"

#include <memory>
#include <optional>
#include <string>

namespace tools {
namespace field_trial {

/// Ten times for each way of walking on (in place, and straight ahead at the
/// top speed of navigation): the player, standing, plays a fall page; once it
/// lies, it stands up as the decision cycle would have it and walks as a role
/// asks. A get-up counts only when the player, once upright, stays upright for
/// STAY_UP_SECONDS; its time runs from the first fallen frame to the first
/// frame of that lasting upright spell.
class GetUpTrial : public SinglePlayerTrial {
public:
    static constexpr int ATTEMPTS = 10;
    static constexpr double GET_UP_SECONDS = 20.0;
    static constexpr double STAY_UP_SECONDS = 5.0;

    /// inTimeSeconds: the time within which a get-up from this fall is in time.
    GetUpTrial(const std::string& fallPage, double inTimeSeconds);

    void run(TrialField& field, TrialFigures& figures) const override;

private:
    struct Tally {
        int attempts = 0;
        int getUps = 0;
        int inTime = 0;
        double seconds = 0.0;

        /// The counts, and the mean time when any got up.
        void fill(std::optional<double>& attemptsFigure, std::optional<double>& getUpsFigure,
                  std::optional<double>& inTimeFigure, std::optional<double>& meanSeconds) const;
    };

    /// ATTEMPTS falls, each followed by the stand-up and the walk asked for.
    Tally attempts(TrialField& field, const std::shared_ptr<control::MovementRequest>& walk) const;

    std::string fallPage;
    double inTimeSeconds;
};

} // namespace field_trial
} // namespace tools

#endif
