#ifndef MODELING_STATE_ESTIMATION_RESETTER_H
#define MODELING_STATE_ESTIMATION_RESETTER_H

#include "marlowinds_lib/geometry/Line2D.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Vector2.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/LandmarkObservation.h"
#include "modeling/state_estimation/Particle.h"

#include <vector>

namespace modeling {
namespace state_estimation {

/// Sensor resetting: replaces particles by poses computed directly from this
/// cycle's observations, either from one corner flag and the two field lines
/// meeting at it, or from two landmarks by intersecting their distance circles.
/// Noise comes from the process-wide engine; the choice of landmark pairs and of
/// one of two diagonal intersections comes from rand().
class Resetter {
public:
    using Vector2 = marlowinds_lib::math::Vector2<double>;
    using Line2D = marlowinds_lib::geometry::Line2D;

    /// Two lines count as meeting at a corner when some pair of their end points is this close.
    static constexpr double CORNER_DISTANCE = 3.0;

    /// distanceSigma is the relative distance noise in percent, bearingSigma radians.
    Resetter(const FieldDescription& fieldDescription, double distanceSigma, double bearingSigma);
    virtual ~Resetter() = default;

    /// Resets each particle with the given probability, from one flag and two
    /// lines (robot frame) or from a random pair of landmarks. May reorder landmarks.
    void sensorReset(Particle* particles, int n, std::vector<LandmarkObservation>& landmarks,
                     const std::vector<Line2D>& lines, double probability);

    /// flag must be a corner flag; the lines are the two seen lines of its corner.
    void computeParticleResetWithOneLandmark(Particle& particle, LandmarkObservation flag, Line2D first, Line2D second);
    /// Leaves the particle unchanged when the two distance circles do not meet.
    void computeParticleResetWithTwoLandmarks(Particle& particle, LandmarkObservation first,
                                              LandmarkObservation second);
    void computeParticleResetWithThreeLandmarks(Particle& particle, LandmarkObservation first,
                                                LandmarkObservation second, LandmarkObservation third);

    /// out1 gets the intersection right of the direction from c1 to c2, out2 the left one.
    static bool computeTwoCirclesIntersection(Vector2 c1, double r1, Vector2 c2, double r2, Vector2& out1,
                                              Vector2& out2);
    /// The intersection nearer reference; (0, 0) when the circles do not meet. Always true.
    static bool computeClosestCircleIntersection(Vector2 c1, double r1, Vector2 c2, double r2, Vector2 reference,
                                                 Vector2& out);
    /// Places the particle at position with the mean heading the two landmarks imply.
    static void makeResettedParticle(Particle& particle, Vector2 position, const LandmarkObservation& first,
                                     const LandmarkObservation& second);

private:
    /// The left (left of the direction c1 to c2) and right intersections of two
    /// circles; false when they do not meet or share their centre.
    static bool intersectCircles(const Vector2& c1, double r1, const Vector2& c2, double r2, Vector2& left,
                                 Vector2& right);
    /// The heading from which position sees the landmark at its bearing.
    static double headingFrom(const Vector2& position, const LandmarkObservation& landmark);
    static bool linesMeetAtCorner(const Line2D& first, const Line2D& second);
    /// Two steps of a Fisher-Yates shuffle: the last two entries become a random pair.
    static void shuffleLastTwo(std::vector<LandmarkObservation>& landmarks);

    const FieldDescription& fieldDescription;
    marlowinds_lib::math::UniformRandomGenerator uniformGenerator;
    marlowinds_lib::math::NormalRandomGenerator distanceNoise;
    marlowinds_lib::math::NormalRandomGenerator bearingNoise;
};

} // namespace state_estimation
} // namespace modeling

#endif
