#include "tools/field_trial/StandTrial.h"

namespace tools {
namespace field_trial {

void StandTrial::run(TrialField& field, TrialFigures& figures) const {
    standAt(field, marlowinds_lib::math::Pose2D());
    field.posture().reset();
    field.stepFor(SECONDS);
    figures.falls = field.posture().getFalls();
    figures.uprightShare = field.posture().getUprightShare();
}

} // namespace field_trial
} // namespace tools
