#include "tools/field_trial/LocalisationMeter.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldFrame.h"
#include "representations/MarlowindsConstants.h"
#include "tools/localization_harness/ErrorStatistics.h"

#include <cmath>

namespace tools {
namespace field_trial {

namespace {

using localization_harness::ErrorStatistics;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

/// The monitor's clock drifts from the player's by a fraction of a
/// millisecond within a minute, so times match to the nearest cycle.
constexpr double SAME_TIME = representations::MarlowindsConstants::SAMPLE_TIME / 2.0;

/// pose seen from frame.
Pose2D relative(const Pose2D& frame, const Pose2D& pose) {
    return Pose2D(MathUtils::normalizeAngle(pose.rotation - frame.rotation),
                  (pose.translation - frame.translation).rotate(-frame.rotation));
}

/// The truth in the field frame of the player's side: the right side's is
/// the server's turned half a turn.
Pose2D inOwnFrame(const TrueBody& truth, representations::PlaySide::PLAY_SIDE side) {
    const Pose2D pose = truth.groundPose();
    if (side != representations::PlaySide::RIGHT) {
        return pose;
    }
    return Pose2D(MathUtils::normalizeAngle(pose.rotation + MathUtils::PI), -pose.translation.x, -pose.translation.y);
}

} // namespace

LocalisationMeter::LocalisationMeter(std::size_t cycles) {
    positionErrors.reserve(cycles);
    headingErrors.reserve(cycles);
    steps.reserve(cycles / 4);
}

void LocalisationMeter::observe(const BelievedPose& believed, const TrueBody& truth) {
    recent[next] = {believed.time, believed.estimate, travelled, believed.side};
    next = (next + 1) % recent.size();
    // The cycle's odometry is the displacement it expects by the next cycle.
    travelled = modeling::FieldFrame::toFieldPosition(travelled, believed.odometry);
    stepPending = stepPending || believed.stepBegan;

    if (truth.known && truth.time > lastTruthTime) {
        pendingTruth = truth;
        lastTruthTime = truth.time;
    }
    // A truth a cycle ahead waits for the cycle of its time.
    if (!pendingTruth.known || pendingTruth.time > believed.time + SAME_TIME) {
        return;
    }
    for (const Cycle& cycle : recent) {
        if (std::fabs(cycle.time - pendingTruth.time) < SAME_TIME) {
            score(cycle, pendingTruth);
        }
    }
    pendingTruth.known = false;
}

void LocalisationMeter::score(const Cycle& cycle, const TrueBody& truth) {
    const Pose2D actual = inOwnFrame(truth, cycle.side);
    positionErrors.push_back(cycle.estimate.translation.distance(actual.translation));
    headingErrors.push_back(std::fabs(MathUtils::normalizeAngle(cycle.estimate.rotation - actual.rotation)));
    if (!stepPending) {
        return;
    }
    // A step is measured between the first truths after two changes of feet.
    stepPending = false;
    if (stepOpen) {
        steps.push_back({relative(stepStartTravelled, cycle.travelled), relative(stepStartTruth, actual)});
    }
    stepOpen = true;
    stepStartTruth = actual;
    stepStartTravelled = cycle.travelled;
}

void LocalisationMeter::fill(TrialFigures& figures) const {
    if (!positionErrors.empty()) {
        figures.positionRms = ErrorStatistics::rootMeanSquare(positionErrors);
        figures.positionP95 = ErrorStatistics::percentile(positionErrors, 0.95);
        figures.headingRms = MathUtils::radiansToDegrees(ErrorStatistics::rootMeanSquare(headingErrors));
    }
    fillOdometry(figures);
}

void LocalisationMeter::fillOdometry(TrialFigures& figures) const {
    if (steps.empty()) {
        return;
    }
    std::vector<double> translationErrors;
    std::vector<double> rotationErrors;
    for (const OdometryStep& step : steps) {
        translationErrors.push_back(step.odometry.translation.distance(step.truth.translation));
        rotationErrors.push_back(std::fabs(MathUtils::normalizeAngle(step.odometry.rotation - step.truth.rotation)));
    }
    figures.odometryTranslationRms = ErrorStatistics::rootMeanSquare(translationErrors);
    figures.odometryRotationRms = MathUtils::radiansToDegrees(ErrorStatistics::rootMeanSquare(rotationErrors));
    figures.odometrySteps = steps;
}

} // namespace field_trial
} // namespace tools
