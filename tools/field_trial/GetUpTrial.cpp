#include "tools/field_trial/GetUpTrial.h"

#include "control/KeyframeRequest.h"
#include "control/WalkRequest.h"
#include "control/keyframe/KeyframeType.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "tools/field_trial/StayUpWatch.h"

#include <optional>
#include <stdexcept>

namespace tools {
namespace field_trial {

namespace {

using marlowinds_lib::math::Pose2D;

/// Bounds (s) on a page's playing and on the fall coming to rest after it.
constexpr double PAGE_SECONDS = 10.0;
constexpr double FALL_SECONDS = 3.0;
/// Where the ball waits (m, on both axes), away from the falls.
constexpr double BALL_ASIDE = 4.0;
/// The longest an attempt takes: standing, the fall and the get-up watched.
constexpr double ATTEMPT_SECONDS = 2.0 + 2.0 * PAGE_SECONDS + FALL_SECONDS + GetUpTrial::GET_UP_SECONDS +
                                   GetUpTrial::STAY_UP_SECONDS;
/// Asked for far beyond any limit: the mode's navigation limit is what the walk gets.
constexpr double FULL = 10.0;

} // namespace

GetUpTrial::GetUpTrial(const std::string& fallPage, double inTimeSeconds)
    : SinglePlayerTrial("get-up-" + fallPage), fallPage(fallPage), inTimeSeconds(inTimeSeconds) {}

void GetUpTrial::run(TrialField& field, TrialFigures& figures) const {
    // The kick-off spot's ball would lie under the player.
    if (!field.placeBall(BALL_ASIDE, BALL_ASIDE)) {
        throw std::runtime_error("the trainer could not place the ball");
    }
    const control::WalkMode navigation = control::WalkMode::SPRINT;
    const Pose2D topSpeed =
        decision_making::behavior::NavigationHelper().saturateWalkVelocity(Pose2D(0.0, FULL, 0.0), navigation);
    const Tally inPlace = attempts(field, std::make_shared<control::WalkRequest>(Pose2D(), navigation));
    const Tally walking = attempts(field, std::make_shared<control::WalkRequest>(topSpeed, navigation));
    figures.getUpTimeLimit = inTimeSeconds;
    inPlace.fill(figures.getUpAttempts, figures.getUps, figures.getUpsInTime, figures.getUpTime);
    walking.fill(figures.getUpAttemptsWalking, figures.getUpsWalking, figures.getUpsInTimeWalking,
                 figures.getUpTimeWalking);
}

void GetUpTrial::Tally::fill(std::optional<double>& attemptsFigure, std::optional<double>& getUpsFigure,
                             std::optional<double>& inTimeFigure, std::optional<double>& meanSeconds) const {
    attemptsFigure = attempts;
    getUpsFigure = getUps;
    inTimeFigure = inTime;
    if (getUps > 0) {
        meanSeconds = seconds / getUps;
    }
}

GetUpTrial::Tally GetUpTrial::attempts(TrialField& field, const std::shared_ptr<control::MovementRequest>& walk) const {
    ScriptedDecision& script = field.player().script();
    Tally tally;
    const auto standing = std::make_shared<control::KeyframeRequest>(control::keyframe::KeyframeType::INIT, false);
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        // A stand-up still playing cannot be cut short; then the walk starts afresh from a standing page.
        field.stepUntil([&] { return !field.player().isPlayingMotion(); }, PAGE_SECONDS);
        // Twenty attempts may outlast the game clock's half.
        field.makeTimeFor(ATTEMPT_SECONDS);
        standAt(field, Pose2D(), standing);
        std::optional<double> lying;
        const auto firstFallen = [&] {
            if (!lying && field.truth().isFallen()) {
                lying = field.truth().time;
            }
            return lying.has_value();
        };
        script.request(std::make_shared<control::KeyframeRequest>(fallPage, false));
        field.stepUntil([&] { return field.player().playingPage() == fallPage; }, PAGE_SECONDS);
        field.stepUntil(
            [&] {
                firstFallen();
                return field.player().playingPage() != fallPage;
            },
            PAGE_SECONDS);
        // The page is played once: an idle machine would start it again.
        script.request(nullptr);
        field.stepUntil(firstFallen, FALL_SECONDS);
        if (!lying) {
            continue;
        }
        ++tally.attempts;
        // As in a game: the stand-up the fall asks for, and the role's walk
        // once the agent no longer feels fallen.
        script.request(walk);
        script.setStandUp(true);
        StayUpWatch watch(STAY_UP_SECONDS);
        field.stepUntil(
            [&] {
                watch.observe(field.truth());
                return watch.isDecided();
            },
            GET_UP_SECONDS + STAY_UP_SECONDS);
        const std::optional<double> upright = watch.getUpTime();
        if (upright && *upright - *lying <= GET_UP_SECONDS) {
            const double seconds = *upright - *lying;
            ++tally.getUps;
            tally.seconds += seconds;
            tally.inTime += seconds <= inTimeSeconds ? 1 : 0;
        }
    }
    return tally;
}

} // namespace field_trial
} // namespace tools
