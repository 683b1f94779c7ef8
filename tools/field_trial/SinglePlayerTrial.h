#ifndef TOOLS_FIELD_TRIAL_SINGLEPLAYERTRIAL_H
#define TOOLS_FIELD_TRIAL_SINGLEPLAYERTRIAL_H

#include "control/MovementRequest.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "tools/field_trial/Trial.h"

#include <memory>
#include <string>
#include <utility>

namespace tools {
namespace field_trial {

/// A trial of one player of the body type, built in this process, on a field
/// of its own; the figures of the player's cycles are its own.
class SinglePlayerTrial : public Trial {
public:
    using Trial::Trial;

    void perform(const TrialFolder& folder, int body, const Damage& damage, TrialFigures& figures) const override;
    /// Plays the trial on the field and fills in the figures it measures.
    /// Throws std::runtime_error when the field fails it (no truth, a lost connection).
    virtual void run(TrialField& field, TrialFigures& figures) const = 0;

protected:
    /// Holds the movement asked for (none: every joint at zero) for a second,
    /// then puts the player standing at the pose (field frame) and lets it
    /// settle for a second more.
    static void standAt(TrialField& field, const marlowinds_lib::math::Pose2D& pose,
                        std::shared_ptr<control::MovementRequest> holding = nullptr);
};

} // namespace field_trial
} // namespace tools

#endif
