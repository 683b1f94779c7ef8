#ifndef TOOLS_FIELD_TRIAL_GETUPTRIAL_H
#define TOOLS_FIELD_TRIAL_GETUPTRIAL_H

#include "tools/field_trial/SinglePlayerTrial.h"

#include <string>

namespace tools {
namespace field_trial {

/// Ten times: the player, standing, plays a fall page; once it lies, it
/// stands up as the decision cycle would have it. Measures how often the page
/// threw it, how often it got up within twenty seconds and how often within
/// three, and the mean time from lying (fallen, the fall page over) to upright.
class GetUpTrial : public SinglePlayerTrial {
public:
    static constexpr int ATTEMPTS = 10;
    static constexpr double GET_UP_SECONDS = 20.0;
    static constexpr double IN_TIME_SECONDS = 3.0;

    explicit GetUpTrial(const std::string& fallPage);

    void run(TrialField& field, TrialFigures& figures) const override;

private:
    std::string fallPage;
};

} // namespace field_trial
} // namespace tools

#endif
