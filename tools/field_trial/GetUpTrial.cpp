#include "tools/field_trial/GetUpTrial.h"

#include "control/KeyframeRequest.h"
#include "control/WalkRequest.h"

#include <memory>
#include <stdexcept>

namespace tools {
namespace field_trial {

namespace {

/// Bounds (s) on a page's playing and on the fall coming to rest after it.
constexpr double PAGE_SECONDS = 10.0;
constexpr double FALL_SECONDS = 3.0;
/// Where the ball waits (m, on both axes), away from the falls.
constexpr double BALL_ASIDE = 4.0;

} // namespace

GetUpTrial::GetUpTrial(const std::string& fallPage) : SinglePlayerTrial("get-up-" + fallPage), fallPage(fallPage) {}

void GetUpTrial::run(TrialField& field, TrialFigures& figures) const {
    ScriptedDecision& script = field.player().script();
    const auto walkInPlace =
        std::make_shared<control::WalkRequest>(marlowinds_lib::math::Pose2D(), control::WalkMode::PRECISE);
    int thrown = 0;
    int gotUp = 0;
    int inTime = 0;
    double gettingUp = 0.0;
    // The kick-off spot's ball would lie under the player.
    if (!field.placeBall(BALL_ASIDE, BALL_ASIDE)) {
        throw std::runtime_error("the trainer could not place the ball");
    }
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
        // As in a game: the stand-up the fall asks for, and the role's walk
        // once the agent no longer feels fallen, which lets the page play out.
        script.request(walkInPlace);
        script.setStandUp(true);
        if (field.stepUntil([&] { return field.truth().isUpright(); }, GET_UP_SECONDS)) {
            ++gotUp;
            const double seconds = field.truth().time - lying;
            gettingUp += seconds;
            inTime += seconds <= IN_TIME_SECONDS ? 1 : 0;
        }
        // The next fall page waits for the stand-up to end.
        field.stepUntil([&] { return !field.player().isPlayingMotion(); }, PAGE_SECONDS);
    }
    figures.getUpAttempts = thrown;
    figures.getUps = gotUp;
    figures.getUpsInTime = inTime;
    if (gotUp > 0) {
        figures.getUpTime = gettingUp / gotUp;
    }
}

} // namespace field_trial
} // namespace tools
