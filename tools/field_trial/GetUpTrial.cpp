#include "tools/field_trial/GetUpTrial.h"

#include "control/KeyframeRequest.h"

#include <memory>

namespace tools {
namespace field_trial {

namespace {

/// Bounds (s) on a page's playing and on the fall coming to rest after it.
constexpr double PAGE_SECONDS = 10.0;
constexpr double FALL_SECONDS = 3.0;

} // namespace

GetUpTrial::GetUpTrial(const std::string& fallPage) : SinglePlayerTrial("get-up-" + fallPage), fallPage(fallPage) {}

void GetUpTrial::run(TrialField& field, TrialFigures& figures) const {
    ScriptedDecision& script = field.player().script();
    int thrown = 0;
    int gotUp = 0;
    double gettingUp = 0.0;
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        standAt(field, marlowinds_lib::math::Pose2D());
        script.request(std::make_shared<control::KeyframeRequest>(fallPage, false));
        field.step();
        field.stepUntil([&] { return !field.player().isMoving(); }, PAGE_SECONDS);
        script.request(nullptr);
        if (!field.stepUntil([&] { return field.truth().isFallen(); }, FALL_SECONDS)) {
            continue;
        }
        ++thrown;
        const double lying = field.truth().time;
        script.setStandUp(true);
        if (field.stepUntil([&] { return field.truth().isUpright(); }, GET_UP_SECONDS)) {
            ++gotUp;
            gettingUp += field.truth().time - lying;
        }
    }
    figures.getUpAttempts = thrown;
    figures.getUps = gotUp;
    if (gotUp > 0) {
        figures.getUpTime = gettingUp / gotUp;
    }
}

} // namespace field_trial
} // namespace tools
