#ifndef TOOLS_FIELD_TRIAL_TRIAL_H
#define TOOLS_FIELD_TRIAL_TRIAL_H

#include "marlowinds_lib/math/Pose2D.h"
#include "tools/field_trial/TrialField.h"
#include "tools/field_trial/TrialFigures.h"

#include <string>
#include <utility>

namespace tools {
namespace field_trial {

/// One measured exercise of the player, played on a fresh field.
class Trial {
public:
    explicit Trial(std::string name) : name(std::move(name)) {}
    virtual ~Trial() = default;

    const std::string& getName() const { return name; }
    /// Whether a fall fails the trial in the CI subset (standing and walking).
    virtual bool mustStayUp() const { return false; }
    /// Plays the trial on a server of its own, whose files go to the folder,
    /// and fills in the figures; a failure is said in them. Here on a field
    /// with one player of the body type, built in this process, and with the
    /// figures of its cycles. A trial of more players (a match of the agent's
    /// own program) would start them itself.
    virtual void perform(const std::string& serverFolder, int body, const Damage& damage, TrialFigures& figures) const;
    /// Plays the trial on the field and fills in the figures it measures.
    /// Throws std::runtime_error when the field fails it (no truth, a lost connection).
    virtual void run(TrialField& field, TrialFigures& figures) const = 0;

protected:
    /// Puts the player standing at the pose (field frame), asks for no
    /// movement and lets it settle for a second.
    static void standAt(TrialField& field, const marlowinds_lib::math::Pose2D& pose);

private:
    std::string name;
};

} // namespace field_trial
} // namespace tools

#endif
