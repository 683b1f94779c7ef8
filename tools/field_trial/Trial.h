#ifndef TOOLS_FIELD_TRIAL_TRIAL_H
#define TOOLS_FIELD_TRIAL_TRIAL_H

#include "tools/field_trial/TrialField.h"
#include "tools/field_trial/TrialFigures.h"
#include "tools/field_trial/TrialFolder.h"

#include <string>
#include <utility>

namespace tools {
namespace field_trial {

/// One measured exercise of the player, played against a server of its own.
class Trial {
public:
    explicit Trial(std::string name) : name(std::move(name)) {}
    virtual ~Trial() = default;

    const std::string& getName() const { return name; }
    /// Whether a fall fails the trial in the CI subset (standing and walking).
    virtual bool mustStayUp() const { return false; }
    /// Whether it is played once for each body type; else once, its players
    /// choosing their own (TrialFigures::OWN_BODIES).
    virtual bool playsEachBody() const { return true; }
    /// Whether it needs the machine to itself: no other trial runs beside it.
    virtual bool runsAlone() const { return false; }
    /// Plays the trial in the folder, whose working folder is the current
    /// one, and fills in the figures; a failure is said in them.
    virtual void perform(const TrialFolder& folder, int body, const Damage& damage, TrialFigures& figures) const = 0;

private:
    std::string name;
};

} // namespace field_trial
} // namespace tools

#endif
