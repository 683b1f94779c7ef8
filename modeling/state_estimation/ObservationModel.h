#ifndef MODELING_STATE_ESTIMATION_OBSERVATIONMODEL_H
#define MODELING_STATE_ESTIMATION_OBSERVATIONMODEL_H

#include "marlowinds_lib/geometry/Line2D.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/LandmarkObservation.h"
#include "modeling/state_estimation/Particle.h"
#include "representations/NaoJoints.h"

#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace modeling {
namespace state_estimation {

/// How well one particle explains this cycle's observations, as two
/// log-likelihoods: one for the seen flags and goal posts, one for the seen field
/// lines. Seen lines are matched against a fixed map of the field's lines; the
/// matching is prepared once per cycle from the previous estimate so that
/// scoring a particle only reads tables.
class ObservationModel {
public:
    using Line2D = marlowinds_lib::geometry::Line2D;
    using Vector2 = marlowinds_lib::math::Vector2<double>;
    using ObservationPair = std::pair<LandmarkObservation, LandmarkObservation>;

    /// Seen and candidate lines beyond this many in one cycle take no part.
    static constexpr int MAX_LINES = 30;
    /// Half the opening of the view wedge in which field lines can be seen.
    static constexpr double HALF_VIEW_ANGLE = 1.2217304763960306;
    /// A seen line this much longer than a candidate cannot lie on it.
    static constexpr double MAX_LENGTH_RATIO = 1.1;
    /// Stands for an impossible match.
    static constexpr double IMPOSSIBLE = -1e308;

    /// distanceVariance is in percent squared of the distance, bearingVariance in rad^2.
    ObservationModel(double distanceVariance, double bearingVariance);

    /// The once-per-cycle preparation of the line matching, from the previous estimate.
    void updateWithEstimate(const std::vector<Line2D>& seenLines, const marlowinds_lib::math::Pose2D& estimate,
                            const representations::NaoJoints& joints);

    /// Sum over the landmarks; IMPOSSIBLE for none.
    double calculateObservationLogProbabilityFromLandmarks(const Particle& particle,
                                                           const std::vector<LandmarkObservation>& landmarks) const;
    /// Valid after updateWithEstimate with the same seen lines; 0 for none.
    double calculateObservationLogProbabilityFromLines(const Particle& particle,
                                                       const std::vector<Line2D>& seenLines) const;
    /// No constant and no factor 1/2: only differences between particles matter.
    double calculateObservationLogProbabilityFromOneLandmark(const Particle& particle,
                                                             const LandmarkObservation& landmark) const;
    /// -20 for each landmark outside the particle's 120 degree view.
    double calculateObservationLogProbabilityFromNegativeInfo(const Particle& particle,
                                                              const std::vector<LandmarkObservation>& landmarks) const;

    void calculatePossibleActualLines(const marlowinds_lib::math::Pose2D& estimate,
                                      const representations::NaoJoints& joints);
    void preComputeDistances(const std::vector<Line2D>& seenLines);
    void preComputeLandmarksUsingCurrentEstimation(const std::vector<Line2D>& seenLines,
                                                   const marlowinds_lib::math::Pose2D& estimate);
    /// The seen line's end points placed on the candidate with the particle's pose.
    ObservationPair extractLandmarksFromLine(const Particle& particle, const Line2D& candidate, const Line2D& seen);

    const std::vector<Line2D>& getFieldLines() const { return fieldLines; }
    const std::vector<Line2D>& getPossibleActualLines() const { return possibleActualLines; }

private:
    /// The seen line's end points as observations, their positions placed in the field by pose.
    static ObservationPair placeSeenLine(const marlowinds_lib::math::Pose2D& pose, const Line2D& seen);
    /// placed with both positions moved onto the candidate's line.
    static void projectOnto(const Line2D& candidate, const ObservationPair& placed, ObservationPair& pair);
    static LandmarkObservation observationOf(const Vector2& seenPoint);
    /// False for an observation at distance 0 or with a value that is not finite.
    static bool isUsable(const LandmarkObservation& landmark);
    double distanceLogLikelihood(const marlowinds_lib::math::Pose2D& pose, const LandmarkObservation& landmark) const;

    /// The squared distances from a particle at which an end point's distance
    /// error alone puts a pair below the best score so far.
    struct DistanceBand {
        double lowSquared = -1.0;
        double highSquared = std::numeric_limits<double>::infinity();
        bool rulesOut(const Vector2& from, const Vector2& to) const;
    };
    DistanceBand bandFor(const LandmarkObservation& observation, double best) const;
    /// The best score of a seen line over the candidates, for one particle.
    double bestMatch(const Particle& particle, int seen, int candidateCount) const;
    double scorePair(const Particle& particle, const ObservationPair& pair) const;
    /// The distance terms of a pair: never below its score.
    double distanceBound(const marlowinds_lib::math::Pose2D& pose, const ObservationPair& pair) const;
    /// For each seen line, the candidate that explains it best from the estimate.
    void choosePreferredCandidates(const std::vector<Line2D>& seenLines, const marlowinds_lib::math::Pose2D& estimate);
    /// How many seen lines, and how many candidates, fit the tables.
    static int usableSeenLines(const std::vector<Line2D>& seenLines);
    int usableCandidates() const;

    double distanceVariance;
    double bearingVariance;
    std::vector<Line2D> fieldLines;
    std::vector<Line2D> possibleActualLines;
    std::array<std::array<double, MAX_LINES>, MAX_LINES> lengthRatios{};
    std::array<std::array<ObservationPair, MAX_LINES>, MAX_LINES> extractedLandmarks{};
    ObservationPair scratch;
    std::array<int, MAX_LINES> preferredCandidates;
};

} // namespace state_estimation
} // namespace modeling

#endif
