#ifndef TOOLS_FIELD_TRIAL_STANDTRIAL_H
#define TOOLS_FIELD_TRIAL_STANDTRIAL_H

#include "tools/field_trial/SinglePlayerTrial.h"

namespace tools {
namespace field_trial {

/// Thirty seconds without a movement request: falls and upright time.
class StandTrial : public SinglePlayerTrial {
public:
    static constexpr double SECONDS = 30.0;

    StandTrial() : SinglePlayerTrial("stand") {}

    bool mustStayUp() const override { return true; }
    void run(TrialField& field, TrialFigures& figures) const override;
};

} // namespace field_trial
} // namespace tools

#endif
