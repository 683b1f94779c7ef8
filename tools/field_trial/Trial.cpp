#include "tools/field_trial/Trial.h"

#include <stdexcept>

namespace tools {
namespace field_trial {

namespace {

constexpr double SETTLING_SECONDS = 1.0;

} // namespace

void Trial::standAt(TrialField& field, const marlowinds_lib::math::Pose2D& pose) {
    ScriptedDecision& script = field.player().script();
    script.request(nullptr);
    script.setStandUp(false);
    if (!field.place(pose)) {
        throw std::runtime_error("the trainer could not place the player");
    }
    field.stepFor(SETTLING_SECONDS);
}

} // namespace field_trial
} // namespace tools
