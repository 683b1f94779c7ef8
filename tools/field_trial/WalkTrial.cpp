#include "tools/field_trial/WalkTrial.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "representations/MarlowindsConstants.h"

#include <cmath>
#include <memory>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

/// Standing with the head scanning before the route, for the estimate to settle (s).
constexpr double LOCALISATION_SETTLING = 2.0;
/// Spacing of the path's points (s): long enough to average out the torso's sway.
constexpr double PATH_SPACING = 0.5;

/// The seconds a leg may take.
double limit(const WalkLeg& leg, const Pose2D& velocity) {
    if (leg.goal == WalkLeg::Goal::DURATION) {
        return leg.amount;
    }
    const double speed =
        leg.goal == WalkLeg::Goal::DISTANCE ? velocity.translation.norm() : std::fabs(velocity.rotation);
    return speed > 0.0 ? 2.0 * leg.amount / speed + 5.0 : 5.0;
}

} // namespace

WalkTrial::WalkTrial(std::string name, const Pose2D& start, std::vector<WalkLeg> legs, bool localisation)
    : SinglePlayerTrial(std::move(name)), start(start), legs(std::move(legs)), localisation(localisation) {}

void WalkTrial::run(TrialField& field, TrialFigures& figures) const {
    standAt(field, start);
    ScriptedDecision& script = field.player().script();
    script.setStandUp(true);
    script.setHeadScan(localisation);
    if (localisation) {
        field.stepFor(LOCALISATION_SETTLING);
    }
    // Room for every cycle the legs may take, so that measuring allocates nothing on the way.
    double seconds = 0.0;
    for (const WalkLeg& leg : legs) {
        seconds +=
            limit(leg, decision_making::behavior::NavigationHelper().saturateWalkVelocity(leg.velocity, leg.mode));
    }
    LocalisationMeter meter(static_cast<std::size_t>(seconds / representations::MarlowindsConstants::SAMPLE_TIME));

    field.posture().reset();
    Tally tally;
    for (const WalkLeg& leg : legs) {
        walk(field, leg, tally, meter);
    }
    figures.falls = field.posture().getFalls();
    figures.uprightShare = field.posture().getUprightShare();
    if (tally.walkingSeconds > 0.0) {
        figures.meanSpeed = tally.path / tally.walkingSeconds;
    }
    if (tally.turningSeconds > 0.0) {
        figures.turnRate = MathUtils::radiansToDegrees(tally.turned / tally.turningSeconds);
    }
    if (localisation) {
        meter.fill(figures);
    } else {
        meter.fillOdometry(figures);
    }
}

void WalkTrial::walk(TrialField& field, const WalkLeg& leg, Tally& tally, LocalisationMeter& meter) const {
    const Pose2D velocity = decision_making::behavior::NavigationHelper().saturateWalkVelocity(leg.velocity, leg.mode);
    field.player().script().request(std::make_shared<control::WalkRequest>(velocity, leg.mode));
    const bool walking = velocity.translation.norm() > 0.0;
    const bool turning = velocity.rotation != 0.0;

    const TrueBody first = field.truth();
    const double maximum = limit(leg, velocity);
    const auto direction = velocity.translation.normalize();
    TrueBody now = first;
    double turned = 0.0;
    // Speeds count only what the player did upright, from sample to sample.
    TrueBody sample = first;
    double turnedAtSample = 0.0;
    const auto tallySince = [&] {
        if (sample.isUpright() && now.isUpright()) {
            const double seconds = now.time - sample.time;
            if (walking) {
                tally.path += sample.groundPose().translation.distance(now.groundPose().translation);
                tally.walkingSeconds += seconds;
            }
            if (turning) {
                tally.turned += std::fabs(turned - turnedAtSample);
                tally.turningSeconds += seconds;
            }
        }
        sample = now;
        turnedAtSample = turned;
    };
    for (;;) {
        const double elapsed = now.time - first.time;
        // Progress along the asked direction, in the frame the leg started in.
        const auto moved = (now.groundPose().translation - first.groundPose().translation).rotate(-first.heading);
        const bool reached =
            (leg.goal == WalkLeg::Goal::DISTANCE && moved.x * direction.x + moved.y * direction.y >= leg.amount) ||
            (leg.goal == WalkLeg::Goal::TURN && std::fabs(turned) >= leg.amount) ||
            (leg.goal == WalkLeg::Goal::DURATION && elapsed >= leg.amount);
        if (reached || elapsed >= maximum) {
            break;
        }
        step(field, meter);
        const TrueBody before = now;
        now = field.truth();
        // A lying torso's heading says nothing of where the player faces.
        if (before.isUpright() && now.isUpright()) {
            turned += MathUtils::normalizeAngle(now.heading - before.heading);
        }
        if (now.time - sample.time >= PATH_SPACING) {
            tallySince();
        }
    }
    tallySince();
}

void WalkTrial::step(TrialField& field, LocalisationMeter& meter) const {
    TrialPlayer& player = field.player();
    const bool leftFootSwung = player.isLeftFootSwinging();
    field.step();
    modeling::WorldModel& world = player.runtime().getModeling().getWorldModel();
    BelievedPose believed;
    believed.time = player.gameTime();
    believed.estimate = world.getSelf().getPosition();
    believed.odometry = player.runtime().getControl().getWalkOdometry().mean;
    believed.stepBegan = player.isLeftFootSwinging() != leftFootSwung;
    believed.side = world.getOurPlaySide();
    meter.observe(believed, field.truth());
}

} // namespace field_trial
} // namespace tools
