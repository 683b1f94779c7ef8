#include "modeling/state_estimation/Resetter.h"

#include "representations/PlaySide.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace modeling {
namespace state_estimation {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::FlagType;

Resetter::Resetter(const FieldDescription& fieldDescription, double distanceSigma, double bearingSigma)
    : fieldDescription(fieldDescription), uniformGenerator(MathUtils::getUniformRandomGenerator(0.0, 1.0)),
      distanceNoise(MathUtils::getNormalRandomGenerator(0.0, std::abs(distanceSigma))),
      bearingNoise(MathUtils::getNormalRandomGenerator(0.0, std::abs(bearingSigma))) {}

void Resetter::sensorReset(Particle* particles, int n, std::vector<LandmarkObservation>& landmarks,
                           const std::vector<Line2D>& lines, double probability) {
    if (particles == nullptr) {
        return;
    }
    if (lines.size() == 2 && landmarks.size() == 1) {
        if (!landmarks.front().isFlag() || !linesMeetAtCorner(lines[0], lines[1])) {
            return;
        }
        for (int i = 0; i < n; ++i) {
            if (probability > uniformGenerator()) {
                computeParticleResetWithOneLandmark(particles[i], landmarks.front(), lines[0], lines[1]);
            }
        }
        return;
    }
    if (landmarks.size() < 2) {
        return;
    }
    for (int i = 0; i < n; ++i) {
        if (probability > uniformGenerator()) {
            // Successive particles shuffle the already reordered list.
            shuffleLastTwo(landmarks);
            const std::size_t last = landmarks.size() - 1;
            computeParticleResetWithTwoLandmarks(particles[i], landmarks[last], landmarks[last - 1]);
        }
    }
}

void Resetter::computeParticleResetWithOneLandmark(Particle& particle, LandmarkObservation flag, Line2D first,
                                                   Line2D second) {
    if (!flag.isFlag()) {
        return;
    }
    const double bearing = flag.bearing + bearingNoise();
    if (first.getCenter().y > second.getCenter().y) {
        std::swap(first, second);
    }
    // A lies more to the robot's right than B.
    const double dA = first.getDistanceToPoint(Vector2());
    const double dB = second.getDistanceToPoint(Vector2());
    // The field description mirrors the landmarks for every side but left, so
    // the corner geometry follows the same rule.
    const bool mirrored = fieldDescription.getCurrentPlaySide() != representations::PlaySide::LEFT;
    const double s = mirrored ? -1.0 : 1.0;
    const bool leftFlag = flag.flagType == FlagType::F1L || flag.flagType == FlagType::F2L;
    const double phi = leftFlag != mirrored ? MathUtils::PI : 0.0;
    const Vector2& p = flag.position;

    Pose2D pose;
    switch (flag.flagType) {
    case FlagType::F1L: {
        const double noiseX = distanceNoise();
        const double noiseY = distanceNoise();
        pose = Pose2D(phi - std::atan2(dA, dB) - bearing, p.x + s * dB + noiseX * flag.distance / 100.0,
                      p.y - s * dA + noiseY * flag.distance / 100.0);
        break;
    }
    case FlagType::F2L:
        pose = Pose2D(std::atan2(dB, dA) - bearing - phi, p.x + s * dA, p.y + s * dB);
        break;
    case FlagType::F1R:
        pose = Pose2D(std::atan2(dB, dA) - phi - bearing, p.x - s * dA, p.y - s * dB);
        break;
    default:
        pose = Pose2D(phi - std::atan2(dA, dB) - bearing, p.x - s * dB, p.y + s * dA);
        break;
    }
    particle.setPose(pose);
}

void Resetter::computeParticleResetWithTwoLandmarks(Particle& particle, LandmarkObservation first,
                                                    LandmarkObservation second) {
    first.distance += distanceNoise() * first.distance / 100.0;
    first.bearing += bearingNoise();
    second.distance += distanceNoise() * second.distance / 100.0;
    second.bearing += bearingNoise();

    Vector2 left;
    Vector2 right;
    if (!intersectCircles(first.position, first.distance, second.position, second.distance, left, right)) {
        return;
    }
    Vector2 chosen;
    if (LandmarkObservation::landmarksOnSameBorder(first, second)) {
        // The robot stands inside the field: the intersection nearer its centre.
        chosen = left.squaredNorm() > right.squaredNorm() ? right : left;
    } else {
        chosen = std::rand() % 2 == 1 ? left : right;
    }
    makeResettedParticle(particle, chosen, first, second);
}

void Resetter::computeParticleResetWithThreeLandmarks(Particle& particle, LandmarkObservation first,
                                                      LandmarkObservation second, LandmarkObservation third) {
    // Resection from the two bearing differences (the total algorithm over
    // cotangents); undefined when the robot and the landmarks lie on one circle
    // or a bearing difference vanishes.
    const double sin12 = std::sin(second.bearing - first.bearing);
    const double sin23 = std::sin(third.bearing - second.bearing);
    if (std::abs(sin12) < 1e-9 || std::abs(sin23) < 1e-9) {
        return;
    }
    const double t12 = std::cos(second.bearing - first.bearing) / sin12;
    const double t23 = std::cos(third.bearing - second.bearing) / sin23;
    if (std::abs(t12 + t23) < 1e-9) {
        return;
    }
    const double t31 = (1.0 - t12 * t23) / (t12 + t23);
    const Vector2 p1 = first.position - second.position;
    const Vector2 p3 = third.position - second.position;
    const Vector2 p12(p1.x + t12 * p1.y, p1.y - t12 * p1.x);
    const Vector2 p23(p3.x - t23 * p3.y, p3.y + t23 * p3.x);
    const Vector2 p31((p3.x + p1.x) + t31 * (p3.y - p1.y), (p3.y + p1.y) - t31 * (p3.x - p1.x));
    const double k31 = p1.x * p3.x + p1.y * p3.y + t31 * (p1.x * p3.y - p3.x * p1.y);
    const double determinant = (p12.x - p23.x) * (p23.y - p31.y) - (p12.y - p23.y) * (p23.x - p31.x);
    if (std::abs(determinant) < 1e-12) {
        return;
    }
    const Vector2 triangulated(second.position.x + k31 * (p12.y - p23.y) / determinant,
                               second.position.y + k31 * (p23.x - p12.x) / determinant);

    Vector2 fromFirstPair;
    Vector2 fromSecondPair;
    computeClosestCircleIntersection(first.position, first.distance, second.position, second.distance, triangulated,
                                     fromFirstPair);
    computeClosestCircleIntersection(second.position, second.distance, third.position, third.distance, triangulated,
                                     fromSecondPair);
    const Vector2 position = (triangulated + fromFirstPair + fromSecondPair) / 3.0;
    const double heading = MathUtils::normalizeSumOfAngles(
        {headingFrom(position, first), headingFrom(position, second), headingFrom(position, third)});
    const double sqrtThree = std::sqrt(3.0);
    const double noiseX = distanceNoise() / sqrtThree;
    const double noiseY = distanceNoise() / sqrtThree;
    const double noiseHeading = bearingNoise() / sqrtThree;
    particle.setPose(Pose2D(heading + noiseHeading, position.x + noiseX, position.y + noiseY));
}

bool Resetter::computeTwoCirclesIntersection(Vector2 c1, double r1, Vector2 c2, double r2, Vector2& out1,
                                             Vector2& out2) {
    return intersectCircles(c1, r1, c2, r2, out2, out1);
}

bool Resetter::computeClosestCircleIntersection(Vector2 c1, double r1, Vector2 c2, double r2, Vector2 reference,
                                                Vector2& out) {
    Vector2 left;
    Vector2 right;
    intersectCircles(c1, r1, c2, r2, left, right);
    out = right.distance(reference) < left.distance(reference) ? right : left;
    return true;
}

void Resetter::makeResettedParticle(Particle& particle, Vector2 position, const LandmarkObservation& first,
                                    const LandmarkObservation& second) {
    // The circular mean of the two headings, without building a list on every reset.
    const double firstHeading = headingFrom(position, first);
    const double secondHeading = headingFrom(position, second);
    const double heading =
        std::atan2(std::sin(firstHeading) + std::sin(secondHeading), std::cos(firstHeading) + std::cos(secondHeading));
    particle.setPose(Pose2D(heading, position));
}

bool Resetter::intersectCircles(const Vector2& c1, double r1, const Vector2& c2, double r2, Vector2& left,
                                Vector2& right) {
    const Vector2 between = c2 - c1;
    const double d = between.norm();
    // A shared centre (the same landmark twice) has no intersection to speak of.
    if (!(d > 0.0) || d > r1 + r2 || std::abs(r1 - r2) > d) {
        left = Vector2();
        right = Vector2();
        return false;
    }
    const double a = (r1 * r1 - r2 * r2 + d * d) / (2.0 * d);
    // Rounding may leave a touching pair a hair below zero.
    const double h = std::sqrt(std::max(r1 * r1 - a * a, 0.0));
    const Vector2 middle = c1 + between * (a / d);
    const Vector2 offset(-between.y * (h / d), between.x * (h / d));
    left = middle + offset;
    right = middle - offset;
    return true;
}

double Resetter::headingFrom(const Vector2& position, const LandmarkObservation& landmark) {
    return std::atan2(landmark.position.y - position.y, landmark.position.x - position.x) - landmark.bearing;
}

bool Resetter::linesMeetAtCorner(const Line2D& first, const Line2D& second) {
    const Vector2* firstEnds[] = {&first.getStart(), &first.getEnd()};
    const Vector2* secondEnds[] = {&second.getStart(), &second.getEnd()};
    for (const Vector2* a : firstEnds) {
        for (const Vector2* b : secondEnds) {
            if (a->distance(*b) <= CORNER_DISTANCE) {
                return true;
            }
        }
    }
    return false;
}

void Resetter::shuffleLastTwo(std::vector<LandmarkObservation>& landmarks) {
    for (std::size_t k = landmarks.size(); k + 2 > landmarks.size() && k > 0; --k) {
        const std::size_t j = static_cast<std::size_t>(std::rand()) % k;
        std::swap(landmarks[k - 1], landmarks[j]);
    }
}

} // namespace state_estimation
} // namespace modeling
