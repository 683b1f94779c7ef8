#include "tools/field_trial/KickTrial.h"

#include "control/KeyframeRequest.h"
#include "control/WalkRequest.h"
#include "control/keyframe/KeyframeType.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;

/// Deep in the own half, so that no kick reaches a goal line or a side line.
constexpr double START_X = -12.0;
constexpr double BALL_ASIDE_Y = 5.0;
constexpr double MOTION_SECONDS = 10.0;
/// Walking in place before the kick, as at the end of the kick approach (s).
constexpr double APPROACH_SECONDS = 1.5;
/// The ball rests once it moved less than REST_DISTANCE in REST_SECONDS.
constexpr double REST_SECONDS = 0.5;
constexpr double REST_DISTANCE = 0.01;
constexpr double ROLLING_SECONDS = 15.0;
/// A ball that moved less than this (m) went in no direction.
constexpr double MOVED = 0.05;

Vector2<double> ground(const marlowinds_lib::math::Vector3<double>& point) { return {point.x, point.y}; }

} // namespace

KickTrial::KickTrial(std::string name, std::shared_ptr<decision_making::behavior::kick_behavior::Kick> kick)
    : SinglePlayerTrial(std::move(name)), kick(std::move(kick)) {}

void KickTrial::run(TrialField& field, TrialFigures& figures) const {
    const auto& parameters = kick->getKickParameters();
    ScriptedDecision& script = field.player().script();
    const auto walkInPlace = std::make_shared<control::WalkRequest>(Pose2D(), control::WalkMode::PRECISE);
    const auto standing = std::make_shared<control::KeyframeRequest>(control::keyframe::KeyframeType::INIT, false);
    double distances = 0.0;
    double errors = 0.0;
    int directed = 0;
    int falls = 0;
    for (int attempt = 0; attempt < KICKS; ++attempt) {
        // The last kick's ball out of the way of the player's placing.
        if (!field.placeBall(START_X, BALL_ASIDE_Y)) {
            throw std::runtime_error("the trainer could not place the ball");
        }
        // Held in a standing page, so that the walk starts afresh from it as after any page: dropping
        // every request mid-walk would leave the walk to resume from a stale step.
        standAt(field, Pose2D(parameters.getSelfOrientation(), START_X, 0.0), standing);
        // Only the kick's own falls count, from its approach to the ball's rest.
        const int fallsBefore = field.posture().getFalls();
        // The kick starts as in a game: from the walk, which the approach leaves stepping in place.
        script.request(walkInPlace);
        field.stepFor(APPROACH_SECONDS);
        // Where the player stands after settling decides the kick's direction and the ball's place.
        const Pose2D stance = field.truth().groundPose();
        const double direction = stance.rotation - parameters.getSelfOrientation();
        const Vector2<double> ball = stance.translation - parameters.getRelativeSelfPosition().rotate(direction);
        if (!field.placeBall(ball.x, ball.y)) {
            throw std::runtime_error("the trainer could not place the ball");
        }
        const Vector2<double> before = ground(field.ball());

        kick->behave(field.player().runtime().getModeling());
        script.request(kick->getMovementRequest());
        // The walk takes its closing steps first; then the motion runs to its end.
        field.stepUntil([&] { return field.player().isPlayingMotion(); }, MOTION_SECONDS);
        field.stepUntil([&] { return !field.player().isPlayingMotion(); }, MOTION_SECONDS);
        // And the game walks on.
        script.request(walkInPlace);

        Vector2<double> checked = ground(field.ball());
        double checkedAt = field.truth().time;
        field.stepUntil(
            [&] {
                if (field.truth().time - checkedAt < REST_SECONDS) {
                    return false;
                }
                const Vector2<double> now = ground(field.ball());
                const bool resting = now.distance(checked) < REST_DISTANCE;
                checked = now;
                checkedAt = field.truth().time;
                return resting;
            },
            ROLLING_SECONDS);
        falls += field.posture().getFalls() - fallsBefore;
        const Vector2<double> travel = ground(field.ball()) - before;
        distances += travel.norm();
        if (travel.norm() >= MOVED) {
            errors += MathUtils::normalizeAngle(travel.angle() - direction);
            ++directed;
        }
    }
    figures.falls = falls;
    figures.kickDistance = distances / KICKS;
    if (directed > 0) {
        figures.kickDirectionError = MathUtils::radiansToDegrees(errors / directed);
    }
}

} // namespace field_trial
} // namespace tools
