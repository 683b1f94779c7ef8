#include "modeling/state_estimation/Localizer.h"

#include "utils/roboviz/Roboviz.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using marlowinds_lib::math::Vector3;

const std::string Localizer::PARTICLES_DRAWING = "modeling/state_estimation/particles";

namespace {

/// exp of a log-likelihood; a likelihood that is not a number explains nothing.
double likelihoodOf(double logLikelihood) {
    const double likelihood = std::exp(logLikelihood);
    return std::isnan(likelihood) ? 0.0 : likelihood;
}

bool isFinite(const Vector3<double>& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

} // namespace

Localizer::Localizer(const FieldDescription& fieldDescription, int numParticles, LocalizerParams params)
    : params(params),
      observationModel(params.distanceSigma * params.distanceSigma, params.bearingSigma * params.bearingSigma),
      resetter(fieldDescription, params.distanceSigma, params.bearingSigma), fieldDescription(fieldDescription),
      numParticles(std::max(numParticles, 1)), particles(static_cast<std::size_t>(this->numParticles)),
      resampledParticles(particles.size()), resampleIndices(particles.size(), 0),
      landmarkLikelihoods(particles.size(), 0.0), lineLikelihoods(particles.size(), 0.0),
      uniformGenerator(MathUtils::getUniformRandomGenerator(0.0, 1.0)) {
    constexpr std::size_t typicalObservations = 16;
    landmarkObservations.reserve(typicalObservations);
    lineObservations.reserve(typicalObservations);
    shortLines.reserve(typicalObservations);
    resetParticles();
}

void Localizer::update(double /*time*/, const std::vector<perception::VisibleFlag*>& flags,
                       const std::vector<perception::VisibleGoalPost*>& goalPosts,
                       const std::vector<perception::VisibleLine*>& lines,
                       const control::walking::OdometryDistribution& odometry,
                       const representations::NaoJoints& joints) {
    odometryModel.propagate(particles.data(), numParticles, odometry);
    if (!flags.empty() || !goalPosts.empty() || !lines.empty()) {
        getLandmarkObservations(flags, goalPosts);
        getLinesObservations(lines);
        updateWeights(landmarkObservations, lineObservations, joints);
    }
    updateEstimate();
    drawParticles();
}

void Localizer::reset(const Pose2D& mean, const Pose2D& sigma) {
    // The distribution refuses a negative or undefined spread.
    const auto spread = [](double deviation) { return std::isfinite(deviation) ? std::abs(deviation) : 0.0; };
    auto drawX = MathUtils::getNormalRandomGenerator(mean.translation.x, spread(sigma.translation.x));
    auto drawY = MathUtils::getNormalRandomGenerator(mean.translation.y, spread(sigma.translation.y));
    auto drawHeading = MathUtils::getNormalRandomGenerator(mean.rotation, spread(sigma.rotation));
    for (Particle& particle : particles) {
        const double x = drawX();
        const double y = drawY();
        const double heading = MathUtils::normalizeAngle(drawHeading());
        particle.setPose(Pose2D(heading, x, y));
    }
}

void Localizer::resetParticles() {
    for (Particle& particle : particles) {
        const double x = uniformGenerator() * FieldDescription::FIELD_LENGTH - FieldDescription::FIELD_LENGTH / 2.0;
        const double y = uniformGenerator() * FieldDescription::FIELD_WIDTH - FieldDescription::FIELD_WIDTH / 2.0;
        const double heading = uniformGenerator() * MathUtils::TWO_PI - MathUtils::PI;
        particle.setPose(Pose2D(heading, x, y));
    }
    resetWeights();
}

void Localizer::updateEstimate() {
    double sumX = 0.0;
    double sumY = 0.0;
    double sumSin = 0.0;
    double sumCos = 0.0;
    for (const Particle& particle : particles) {
        const Pose2D& pose = particle.getPose();
        sumX += pose.translation.x;
        sumY += pose.translation.y;
        sumSin += std::sin(pose.rotation);
        sumCos += std::cos(pose.rotation);
    }
    const double n = numParticles;
    poseEstimate = Pose2D(std::atan2(sumSin / n, sumCos / n), sumX / n, sumY / n);
}

void Localizer::resetWeights() {
    const double uniform = 1.0 / numParticles;
    for (Particle& particle : particles) {
        particle.setWeight(uniform);
    }
}

void Localizer::drawParticles(Particle* particlesToMove, const control::walking::OdometryDistribution& odometry) {
    odometryModel.propagate(particlesToMove, numParticles, odometry);
}

const std::vector<LandmarkObservation>&
Localizer::getLandmarkObservations(const std::vector<perception::VisibleFlag*>& flags,
                                   const std::vector<perception::VisibleGoalPost*>& goalPosts) {
    landmarkObservations.clear();
    LandmarkObservation observation;
    for (const perception::VisibleFlag* flag : flags) {
        if (flag != nullptr && getLandmarkObservation(*flag, observation)) {
            landmarkObservations.push_back(observation);
        }
    }
    for (const perception::VisibleGoalPost* goalPost : goalPosts) {
        if (goalPost != nullptr && getLandmarkObservation(*goalPost, observation)) {
            landmarkObservations.push_back(observation);
        }
    }
    return landmarkObservations;
}

bool Localizer::getLandmarkObservation(const perception::VisibleFlag& flag, LandmarkObservation& observation) const {
    const representations::FlagType::FLAG_TYPE type = flag.getFlagType();
    if (type < representations::FlagType::F1L || type > representations::FlagType::F2R) {
        return false;
    }
    observation.flagType = type;
    observation.goalPostType = representations::GoalPostType::UNKNOWN;
    return observe(flag.getPosition(), fieldDescription.getFlagKnownPosition(type), observation);
}

bool Localizer::getLandmarkObservation(const perception::VisibleGoalPost& goalPost,
                                       LandmarkObservation& observation) const {
    const representations::GoalPostType::GOAL_POST_TYPE type = goalPost.getGoalPostType();
    if (type < representations::GoalPostType::G1L || type > representations::GoalPostType::G2R) {
        return false;
    }
    observation.flagType = representations::FlagType::UNKNOWN;
    observation.goalPostType = type;
    return observe(goalPost.getPosition(), fieldDescription.getGoalPostKnownPosition(type), observation);
}

bool Localizer::observe(const Vector3<double>& seen, const Vector3<double>& known, LandmarkObservation& observation) {
    if (!isFinite(seen)) {
        return false;
    }
    observation.distance = std::sqrt(seen.x * seen.x + seen.y * seen.y);
    observation.bearing = std::atan2(seen.y, seen.x);
    observation.position = Vector2<double>(known.x, known.y);
    return observation.distance > 0.0 && std::isfinite(observation.distance);
}

const std::vector<Localizer::Line2D>&
Localizer::getLinesObservations(const std::vector<perception::VisibleLine*>& lines) {
    lineObservations.clear();
    shortLines.clear();
    for (const perception::VisibleLine* line : lines) {
        if (line == nullptr || !isFinite(line->getPosition()) || !isFinite(line->getPosition2())) {
            continue;
        }
        const Vector3<double>& start = line->getPosition();
        const Vector3<double>& end = line->getPosition2();
        const Line2D seen({start.x, start.y}, {end.x, end.y});
        if (seen.getStart().distance(seen.getEnd()) > LONG_LINE_LENGTH) {
            lineObservations.push_back(seen);
        } else {
            shortLines.push_back(seen);
        }
    }
    // Short stretches are ambiguous; they help only when little else is seen.
    const bool fewShortLines = shortLines.size() == 1 || shortLines.size() == 2;
    if (lineObservations.empty() && fewShortLines) {
        lineObservations.insert(lineObservations.end(), shortLines.begin(), shortLines.end());
    } else if (lineObservations.size() == 1 && fewShortLines) {
        lineObservations.push_back(shortLines.front());
    }
    return lineObservations;
}

void Localizer::updateWeights(std::vector<LandmarkObservation>& landmarks, const std::vector<Line2D>& lines,
                              const representations::NaoJoints& joints) {
    observationModel.updateWithEstimate(lines, poseEstimate, joints);
    double landmarkTotal = 0.0;
    double lineTotal = 0.0;
    for (int i = 0; i < numParticles; ++i) {
        const Particle& particle = particles[i];
        landmarkLikelihoods[i] =
            likelihoodOf(observationModel.calculateObservationLogProbabilityFromLandmarks(particle, landmarks));
        lineLikelihoods[i] =
            likelihoodOf(observationModel.calculateObservationLogProbabilityFromLines(particle, lines));
        landmarkTotal += landmarkLikelihoods[i];
        lineTotal += lineLikelihoods[i];
    }

    const bool hasLandmarks = !landmarks.empty();
    const bool useLines = !hasLandmarks || lineTotal >= LINE_LIKELIHOOD_FLOOR;
    double total = lineTotal;
    if (hasLandmarks) {
        total = useLines ? landmarkTotal + lineTotal : landmarkTotal;
    }
    // Every weight can underflow to zero (at start-up, after a kidnap): the
    // filter is then lost, as when the total likelihood is too small.
    const bool normalised = reweight(hasLandmarks, useLines);
    updateRunningAverages(normalised ? total : 0.0);

    resample();
    resetter.sensorReset(particles.data(), numParticles, landmarks, lines, getResetProbability());
}

bool Localizer::reweight(bool useLandmarks, bool useLines) {
    double sum = 0.0;
    for (int i = 0; i < numParticles; ++i) {
        double likelihood = 1.0;
        if (useLandmarks) {
            likelihood *= landmarkLikelihoods[i];
        }
        if (useLines) {
            likelihood *= lineLikelihoods[i];
        }
        const double weight = particles[i].getWeight() * likelihood;
        particles[i].setWeight(weight);
        sum += weight;
    }
    if (!(sum > 0.0) || !std::isfinite(sum)) {
        resetWeights();
        return false;
    }
    for (Particle& particle : particles) {
        particle.setWeight(particle.getWeight() / sum);
    }
    return true;
}

void Localizer::updateRunningAverages(double total) {
    if (!(total >= TOTAL_LIKELIHOOD_FLOOR) || !std::isfinite(total)) {
        wSlow = 1.0;
        wFast = 0.0;
    } else if (wSlow < 0.0 && wFast < 0.0) {
        wSlow = total;
        wFast = total;
    } else {
        wSlow = (1.0 - alphaSlow) * wSlow + alphaSlow * total;
        wFast = (1.0 - alphaFast) * wFast + alphaFast * total;
    }
}

double Localizer::getResetProbability() const { return std::max(1.0 - wFast / wSlow, MIN_RESET_PROBABILITY); }

void Localizer::resample() {
    const double n = numParticles;
    const double offset = uniformGenerator() / n;
    double cumulative = particles[0].getWeight();
    int source = 0;
    for (int m = 0; m < numParticles; ++m) {
        const double target = m / n + offset;
        // Rounding can leave the cumulative weight short of the last target.
        while (target > cumulative && source < numParticles - 1) {
            ++source;
            cumulative += particles[source].getWeight();
        }
        resampleIndices[m] = source;
    }
    for (int m = 0; m < numParticles; ++m) {
        resampledParticles[m] = particles[resampleIndices[m]];
    }
    std::swap(particles, resampledParticles);
    resetWeights();
}

void Localizer::drawParticles() const {
    utils::roboviz::Roboviz* const roboviz = utils::roboviz::Roboviz::getInstance();
    for (const Particle& particle : particles) {
        const Pose2D& pose = particle.getPose();
        roboviz->drawPoint(PARTICLES_DRAWING, static_cast<float>(pose.translation.x),
                           static_cast<float>(pose.translation.y), 0.0f, 10.0f, utils::roboviz::Roboviz::PURPLE);
    }
}

} // namespace state_estimation
} // namespace modeling
