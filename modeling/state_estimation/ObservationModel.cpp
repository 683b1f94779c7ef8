#include "modeling/state_estimation/ObservationModel.h"

#include "marlowinds_lib/geometry/GeometryUtils.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldFrame.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::geometry::GeometryUtils;
using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::NaoJoints;

namespace {

constexpr double NEGATIVE_INFO_HALF_VIEW_ANGLE = MathUtils::PI / 3.0;
constexpr double NEGATIVE_INFO_PENALTY = -20.0;

double lengthOf(const marlowinds_lib::geometry::Line2D& line) { return line.getStart().distance(line.getEnd()); }

/// The field's straight lines in the global frame. The map serves both sides:
/// it is symmetric through the centre spot.
std::vector<marlowinds_lib::geometry::Line2D> fieldLineMap() {
    using marlowinds_lib::geometry::Line2D;
    return {
        Line2D({15, 10}, {-15, 10}),     // side line y = 10
        Line2D({15, -10}, {15, 10}),     // goal line x = 15
        Line2D({-15, -10}, {15, -10}),   // side line y = -10
        Line2D({-15, -10}, {-15, 10}),   // goal line x = -15
        Line2D({0, -10}, {0, 10}),       // halfway line
        Line2D({13.2, 3}, {13.2, -3}),   // front of the penalty area at x = 15
        Line2D({13.2, 3}, {15, 3}),      // its sides
        Line2D({13.2, -3}, {15, -3}),    //
        Line2D({-13.2, 3}, {-13.2, -3}), // front of the penalty area at x = -15
        Line2D({-13.2, 3}, {-15, 3}),    // its sides
        Line2D({-13.2, -3}, {-15, -3}),  //
    };
}

} // namespace

ObservationModel::ObservationModel(double distanceVariance, double bearingVariance)
    : distanceVariance(distanceVariance), bearingVariance(bearingVariance), fieldLines(fieldLineMap()) {
    possibleActualLines.reserve(fieldLines.size());
    preferredCandidates.fill(-1);
}

void ObservationModel::updateWithEstimate(const std::vector<Line2D>& seenLines, const Pose2D& estimate,
                                          const NaoJoints& joints) {
    calculatePossibleActualLines(estimate, joints);
    preComputeDistances(seenLines);
    preComputeLandmarksUsingCurrentEstimation(seenLines, estimate);
    choosePreferredCandidates(seenLines, estimate);
}

void ObservationModel::choosePreferredCandidates(const std::vector<Line2D>& seenLines, const Pose2D& estimate) {
    const int seenCount = usableSeenLines(seenLines);
    const int candidateCount = usableCandidates();
    const Particle atEstimate(estimate);
    for (int j = 0; j < seenCount; ++j) {
        preferredCandidates[j] = -1;
        double best = IMPOSSIBLE;
        for (int i = 0; i < candidateCount; ++i) {
            if (lengthRatios[i][j] > MAX_LENGTH_RATIO) {
                continue;
            }
            const double term = scorePair(atEstimate, extractedLandmarks[i][j]);
            if (preferredCandidates[j] < 0 || term > best) {
                preferredCandidates[j] = i;
                best = term;
            }
        }
    }
}

double ObservationModel::calculateObservationLogProbabilityFromLandmarks(
    const Particle& particle, const std::vector<LandmarkObservation>& landmarks) const {
    if (landmarks.empty()) {
        return IMPOSSIBLE;
    }
    double logLikelihood = 0.0;
    for (const LandmarkObservation& landmark : landmarks) {
        logLikelihood += calculateObservationLogProbabilityFromOneLandmark(particle, landmark);
    }
    return logLikelihood;
}

double ObservationModel::calculateObservationLogProbabilityFromLines(const Particle& particle,
                                                                     const std::vector<Line2D>& seenLines) const {
    const int seenCount = usableSeenLines(seenLines);
    if (seenCount == 0) {
        return 0.0;
    }
    const int candidateCount = usableCandidates();
    if (candidateCount == 0) {
        return seenCount * IMPOSSIBLE;
    }
    double logLikelihood = 0.0;
    for (int j = 0; j < seenCount; ++j) {
        logLikelihood += bestMatch(particle, j, candidateCount);
    }
    return logLikelihood;
}

double ObservationModel::bestMatch(const Particle& particle, int seen, int candidateCount) const {
    // The estimate's own match is scored first. As no term of a pair is positive,
    // the score it sets rules out most other candidates by their distance terms:
    // first by the distance of one end point alone, which costs no square root,
    // then by both. A candidate ruled out could not have raised the maximum.
    double best = IMPOSSIBLE;
    const int preferred = preferredCandidates[seen];
    if (preferred >= 0 && preferred < candidateCount) {
        best = std::max(best, scorePair(particle, extractedLandmarks[preferred][seen]));
    }
    // The seen distances of the end points are the same on every candidate.
    const DistanceBand startBand = bandFor(extractedLandmarks[0][seen].first, best);
    const DistanceBand endBand = bandFor(extractedLandmarks[0][seen].second, best);
    const Vector2& position = particle.getPose().translation;
    for (int i = 0; i < candidateCount; ++i) {
        if (i == preferred || lengthRatios[i][seen] > MAX_LENGTH_RATIO) {
            continue;
        }
        const ObservationPair& pair = extractedLandmarks[i][seen];
        if (startBand.rulesOut(position, pair.first.position) || endBand.rulesOut(position, pair.second.position) ||
            !(distanceBound(particle.getPose(), pair) > best)) {
            continue;
        }
        const double term = scorePair(particle, pair);
        if (term > best) {
            best = term;
        }
    }
    return best;
}

double ObservationModel::distanceBound(const Pose2D& pose, const ObservationPair& pair) const {
    const auto distanceTermOf = [&](const LandmarkObservation& landmark) {
        if (!isUsable(landmark)) {
            return 0.0;
        }
        const double distanceTerm = distanceLogLikelihood(pose, landmark);
        return std::isnan(distanceTerm) ? IMPOSSIBLE : distanceTerm;
    };
    return distanceTermOf(pair.first) + distanceTermOf(pair.second);
}

double ObservationModel::scorePair(const Particle& particle, const ObservationPair& pair) const {
    return calculateObservationLogProbabilityFromOneLandmark(particle, pair.first) +
           calculateObservationLogProbabilityFromOneLandmark(particle, pair.second);
}

ObservationModel::DistanceBand ObservationModel::bandFor(const LandmarkObservation& observation, double best) const {
    DistanceBand band;
    if (!isUsable(observation) || !(best > IMPOSSIBLE) || !(best <= 0.0)) {
        return band;
    }
    // An end point whose distance error reaches this alone scores below best,
    // as no term of a pair is positive; the margin keeps rounding on the safe side.
    const double variance = distanceVariance * observation.distance * observation.distance / 10000.0;
    const double error = std::sqrt(-best * variance) * (1.0 + 1e-6) + 1e-12;
    const double low = observation.distance - error;
    const double high = observation.distance + error;
    band.lowSquared = low > 0.0 ? low * low : -1.0;
    band.highSquared = high * high;
    return band;
}

bool ObservationModel::DistanceBand::rulesOut(const Vector2& from, const Vector2& to) const {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double squared = dx * dx + dy * dy;
    return squared > highSquared || squared < lowSquared;
}

double ObservationModel::calculateObservationLogProbabilityFromOneLandmark(const Particle& particle,
                                                                           const LandmarkObservation& landmark) const {
    if (!isUsable(landmark)) {
        if (landmark.distance == 0.0) {
            std::cout << "zero division";
        }
        return 0.0;
    }
    const Pose2D& pose = particle.getPose();
    const double distanceTerm = distanceLogLikelihood(pose, landmark);
    if (std::isnan(distanceTerm)) {
        // Only a particle that is not a number gets here: it explains nothing.
        std::cout << "distance probability error";
        return IMPOSSIBLE;
    }
    const double dx = landmark.position.x - pose.translation.x;
    const double dy = landmark.position.y - pose.translation.y;
    double bearingError = std::atan2(dy, dx) - pose.rotation - landmark.bearing;
    if (!(bearingError >= -MathUtils::PI && bearingError < MathUtils::PI)) {
        bearingError = MathUtils::normalizeAngle(bearingError);
    }
    return distanceTerm - bearingError * bearingError / bearingVariance;
}

bool ObservationModel::isUsable(const LandmarkObservation& landmark) {
    // An observation at distance 0, or one that is not finite, tells nothing
    // about the pose: it is skipped rather than divided by.
    return landmark.distance > 0.0 && std::isfinite(landmark.distance) && std::isfinite(landmark.bearing) &&
           std::isfinite(landmark.position.x) && std::isfinite(landmark.position.y);
}

double ObservationModel::distanceLogLikelihood(const Pose2D& pose, const LandmarkObservation& landmark) const {
    const double dx = landmark.position.x - pose.translation.x;
    const double dy = landmark.position.y - pose.translation.y;
    const double distanceError = std::sqrt(dx * dx + dy * dy) - landmark.distance;
    const double variance = distanceVariance * landmark.distance * landmark.distance / 10000.0;
    return -distanceError * distanceError / variance;
}

double ObservationModel::calculateObservationLogProbabilityFromNegativeInfo(
    const Particle& particle, const std::vector<LandmarkObservation>& landmarks) const {
    const Pose2D& pose = particle.getPose();
    const Line2D left(pose.translation, pose.rotation + NEGATIVE_INFO_HALF_VIEW_ANGLE);
    const Line2D right(pose.translation, pose.rotation - NEGATIVE_INFO_HALF_VIEW_ANGLE);
    int unseen = 0;
    for (const LandmarkObservation& landmark : landmarks) {
        if (!GeometryUtils::pointIsBetweenLines(landmark.position, left, right)) {
            ++unseen;
        }
    }
    return NEGATIVE_INFO_PENALTY * unseen;
}

void ObservationModel::calculatePossibleActualLines(const Pose2D& estimate, const NaoJoints& joints) {
    const double viewDirection = estimate.rotation + joints.getValue(NaoJoints::NECK_YAW);
    const Line2D left(estimate.translation, viewDirection + HALF_VIEW_ANGLE);
    const Line2D right(estimate.translation, viewDirection - HALF_VIEW_ANGLE);
    possibleActualLines.clear();
    for (const Line2D& line : fieldLines) {
        Vector2 crossing;
        if (GeometryUtils::pointIsBetweenLines(line.getStart(), left, right) ||
            GeometryUtils::pointIsBetweenLines(line.getEnd(), left, right) ||
            line.intersectWithLineSeg(left, crossing)) {
            possibleActualLines.push_back(line);
        }
    }
}

void ObservationModel::preComputeDistances(const std::vector<Line2D>& seenLines) {
    const int seenCount = usableSeenLines(seenLines);
    const int candidateCount = usableCandidates();
    for (int i = 0; i < candidateCount; ++i) {
        const double candidateLength = lengthOf(possibleActualLines[i]);
        for (int j = 0; j < seenCount; ++j) {
            lengthRatios[i][j] = lengthOf(seenLines[j]) / candidateLength;
        }
    }
}

void ObservationModel::preComputeLandmarksUsingCurrentEstimation(const std::vector<Line2D>& seenLines,
                                                                 const Pose2D& estimate) {
    const int seenCount = usableSeenLines(seenLines);
    const int candidateCount = usableCandidates();
    for (int j = 0; j < seenCount && candidateCount > 0; ++j) {
        // Placing the seen end points does not depend on the candidate.
        const ObservationPair placed = placeSeenLine(estimate, seenLines[j]);
        for (int i = 0; i < candidateCount; ++i) {
            projectOnto(possibleActualLines[i], placed, extractedLandmarks[i][j]);
        }
    }
}

ObservationModel::ObservationPair
ObservationModel::extractLandmarksFromLine(const Particle& particle, const Line2D& candidate, const Line2D& seen) {
    projectOnto(candidate, placeSeenLine(particle.getPose(), seen), scratch);
    return scratch;
}

ObservationModel::ObservationPair ObservationModel::placeSeenLine(const Pose2D& pose, const Line2D& seen) {
    ObservationPair placed(observationOf(seen.getStart()), observationOf(seen.getEnd()));
    placed.first.position = FieldFrame::toFieldPoint(pose, seen.getStart());
    placed.second.position = FieldFrame::toFieldPoint(pose, seen.getEnd());
    return placed;
}

void ObservationModel::projectOnto(const Line2D& candidate, const ObservationPair& placed, ObservationPair& pair) {
    pair = placed;
    pair.first.position = candidate.getPointOnLineClosestTo(placed.first.position);
    pair.second.position = candidate.getPointOnLineClosestTo(placed.second.position);
}

LandmarkObservation ObservationModel::observationOf(const Vector2& seenPoint) {
    LandmarkObservation observation;
    observation.distance = std::sqrt(seenPoint.x * seenPoint.x + seenPoint.y * seenPoint.y);
    observation.bearing = std::atan2(seenPoint.y, seenPoint.x);
    return observation;
}

int ObservationModel::usableSeenLines(const std::vector<Line2D>& seenLines) {
    return static_cast<int>(std::min<std::size_t>(seenLines.size(), MAX_LINES));
}

int ObservationModel::usableCandidates() const {
    return static_cast<int>(std::min<std::size_t>(possibleActualLines.size(), MAX_LINES));
}

} // namespace state_estimation
} // namespace modeling
