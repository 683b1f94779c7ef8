#ifndef TOOLS_FIELD_TRIAL_KICKTRIAL_H
#define TOOLS_FIELD_TRIAL_KICKTRIAL_H

#include "decision_making/behavior/kick_behavior/Kick.h"
#include "tools/field_trial/SinglePlayerTrial.h"

#include <memory>
#include <string>

namespace tools {
namespace field_trial {

/// Three times: the player stands where the kick approach would leave it
/// for a kick along the field's x axis, with the ball where the kick's pose
/// puts it, and plays the kick. Measures how far the ball went and its
/// direction's error against the kick's, both means, and the falls.
class KickTrial : public SinglePlayerTrial {
public:
    static constexpr int KICKS = 3;

    KickTrial(std::string name, std::shared_ptr<decision_making::behavior::kick_behavior::Kick> kick);

    void run(TrialField& field, TrialFigures& figures) const override;

private:
    std::shared_ptr<decision_making::behavior::kick_behavior::Kick> kick;
};

} // namespace field_trial
} // namespace tools

#endif
