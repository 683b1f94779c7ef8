#ifndef MODELING_STATE_ESTIMATION_LOCALIZER_H
#define MODELING_STATE_ESTIMATION_LOCALIZER_H

#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/geometry/Line2D.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/LandmarkObservation.h"
#include "modeling/state_estimation/LocalizerParams.h"
#include "modeling/state_estimation/ObservationModel.h"
#include "modeling/state_estimation/OdometryModel.h"
#include "modeling/state_estimation/Particle.h"
#include "modeling/state_estimation/Resetter.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "representations/NaoJoints.h"

#include <vector>

namespace modeling {
namespace state_estimation {

/// Monte-Carlo self-localisation: a fixed set of particles is moved by the walk
/// odometry, weighted by how well each explains the seen flags, goal posts and
/// field lines, resampled, and partly replaced by poses computed from the
/// observations, with a probability driven by a slow and a fast running average
/// of the observation likelihood. The estimate is the particles' mean.
///
/// Random draws come from the process-wide engine in a fixed order per cycle:
/// the odometry noise of every particle, the resampling offset, then the
/// resetter's draws.
class Localizer {
public:
    using Line2D = marlowinds_lib::geometry::Line2D;

    /// A seen line longer than this counts as long when choosing which lines to use.
    static constexpr double LONG_LINE_LENGTH = 1.5;
    /// Below this total line likelihood the lines do not weight the particles.
    static constexpr double LINE_LIKELIHOOD_FLOOR = 1e-8;
    /// Below this total likelihood the filter is taken to be lost.
    static constexpr double TOTAL_LIKELIHOOD_FLOOR = 1e-9;
    static constexpr double MIN_RESET_PROBABILITY = 0.01;
    static constexpr double ALPHA_SLOW = 0.01;
    static constexpr double ALPHA_FAST = 0.05;
    static const std::string PARTICLES_DRAWING;

    /// Spreads the particles uniformly over the field. numParticles below 1 is taken as 1.
    Localizer(const FieldDescription& fieldDescription, int numParticles, LocalizerParams params);
    virtual ~Localizer() = default;

    /// One cycle. The visible objects are this cycle's, already in the robot's
    /// frame; the odometry is the walk's of the last cycle; of the joints only
    /// the neck yaw is read. time is not used.
    void update(double time, const std::vector<perception::VisibleFlag*>& flags,
                const std::vector<perception::VisibleGoalPost*>& goalPosts,
                const std::vector<perception::VisibleLine*>& lines,
                const control::walking::OdometryDistribution& odometry, const representations::NaoJoints& joints);

    const marlowinds_lib::math::Pose2D& getPoseEstimate() const { return poseEstimate; }

    /// Redraws every particle from N(mean, sigma) per component (a deviation
    /// that is not finite counts as 0); weights, running averages and estimate stay.
    void reset(const marlowinds_lib::math::Pose2D& mean, const marlowinds_lib::math::Pose2D& sigma);
    /// Spreads every particle uniformly over the field with weight 1/N; the estimate stays.
    void resetParticles();

    std::vector<Particle>& getParticles() { return particles; }
    const std::vector<Particle>& getParticles() const { return particles; }
    void updateEstimate();
    void resetWeights();
    /// Moves the first N particles of the given array as the cycle's motion step does.
    void drawParticles(Particle* particlesToMove, const control::walking::OdometryDistribution& odometry);

    /// Fills the cycle's landmark list (flags, then goal posts, in the given
    /// order) and returns it; objects at distance 0, with values that are not
    /// finite or of no known type are left out.
    const std::vector<LandmarkObservation>&
    getLandmarkObservations(const std::vector<perception::VisibleFlag*>& flags,
                            const std::vector<perception::VisibleGoalPost*>& goalPosts);
    /// Fills the cycle's line list: every long line, and short ones only when
    /// few lines are seen. Lines with end points that are not finite are left out.
    const std::vector<Line2D>& getLinesObservations(const std::vector<perception::VisibleLine*>& lines);
    /// False for an object that cannot be observed (see getLandmarkObservations).
    bool getLandmarkObservation(const perception::VisibleFlag& flag, LandmarkObservation& observation) const;
    bool getLandmarkObservation(const perception::VisibleGoalPost& goalPost, LandmarkObservation& observation) const;
    void updateWeights(std::vector<LandmarkObservation>& landmarks, const std::vector<Line2D>& lines,
                       const representations::NaoJoints& joints);
    void resample();

    double getWSlow() const { return wSlow; }
    double getWFast() const { return wFast; }
    /// The probability with which the resetter replaces a particle.
    double getResetProbability() const;

private:
    /// Distance and bearing of a landmark seen at a robot-frame position, with
    /// its known position; false when it is seen at distance 0 or not finite.
    static bool observe(const marlowinds_lib::math::Vector3<double>& seen,
                        const marlowinds_lib::math::Vector3<double>& known, LandmarkObservation& observation);
    /// Multiplies every weight by its likelihood and normalises; false when
    /// nothing is left to normalise, in which case the weights become uniform.
    bool reweight(bool useLandmarks, bool useLines);
    void updateRunningAverages(double total);
    void drawParticles() const;

    LocalizerParams params;
    OdometryModel odometryModel;
    ObservationModel observationModel;
    Resetter resetter;
    const FieldDescription& fieldDescription;
    int numParticles;
    double wSlow = -1.0;
    double wFast = -1.0;
    double alphaSlow = ALPHA_SLOW;
    double alphaFast = ALPHA_FAST;
    marlowinds_lib::math::Pose2D poseEstimate;
    std::vector<Particle> particles;
    std::vector<Particle> resampledParticles;
    std::vector<int> resampleIndices;
    std::vector<double> landmarkLikelihoods;
    std::vector<double> lineLikelihoods;
    marlowinds_lib::math::UniformRandomGenerator uniformGenerator;
    // The cycle's observations, kept to reuse their storage.
    std::vector<LandmarkObservation> landmarkObservations;
    std::vector<Line2D> lineObservations;
    std::vector<Line2D> shortLines;
};

} // namespace state_estimation
} // namespace modeling

#endif
