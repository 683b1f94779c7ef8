#ifndef TOOLS_FIELD_TRIAL_TRIALFIGURES_H
#define TOOLS_FIELD_TRIAL_TRIALFIGURES_H

#include "marlowinds_lib/math/Pose2D.h"

#include <optional>
#include <string>
#include <vector>

namespace tools {
namespace field_trial {

/// One walk step: the walk's odometry and the true displacement of the torso,
/// both in the frame the torso had when the step began.
struct OdometryStep {
    marlowinds_lib::math::Pose2D odometry;
    marlowinds_lib::math::Pose2D truth;
};

/// What one trial measured on one body type. A figure the trial does not
/// measure stays empty.
struct TrialFigures {
    /// The body of a trial whose players each choose their own (a match).
    static constexpr int OWN_BODIES = -1;

    std::string trial;
    int body = 0;
    /// Why the trial did not run to its end (a crash, a stall, a server that
    /// would not start); empty when it did.
    std::string failure;

    std::optional<double> seconds; // game time the trial took
    std::optional<double> cycles;
    std::optional<double> missedCycles;
    std::optional<double> notFiniteCycles;
    std::optional<double> cpuMean; // ms of the player's thread per cycle
    std::optional<double> cpuMax;
    std::optional<double> falls;
    std::optional<double> uprightShare; // 0 to 1
    std::optional<double> meanSpeed;    // m/s
    std::optional<double> turnRate;     // degrees per second
    // A get-up trial's, walking in place after the stand-up (and a match's get-ups):
    std::optional<double> getUpAttempts; // falls the fall page threw
    std::optional<double> getUps;        // got up and stayed up
    std::optional<double> getUpTime;     // s, mean over the get-ups
    std::optional<double> getUpsInTime;  // got up within getUpTimeLimit
    // ... and walking at the top speed of navigation after it:
    std::optional<double> getUpAttemptsWalking;
    std::optional<double> getUpsWalking;
    std::optional<double> getUpTimeWalking;
    std::optional<double> getUpsInTimeWalking;
    std::optional<double> getUpTimeLimit; // s
    std::optional<double> kickDistance;           // m, mean
    std::optional<double> kickDirectionError;     // degrees, mean, positive to the left
    std::optional<double> positionRms;            // m
    std::optional<double> positionP95;            // m
    std::optional<double> headingRms;             // degrees
    std::optional<double> odometryTranslationRms; // m per step
    std::optional<double> odometryRotationRms;    // degrees per step
    // A match's own:
    std::optional<double> leftScore;
    std::optional<double> rightScore;
    std::optional<double> goals;
    std::optional<double> leftFalls;
    std::optional<double> rightFalls;
    std::optional<double> reFalls; // falls within PostureWatch::RE_FALL_SECONDS of getting up
    std::optional<double> ballTravel; // m
    std::vector<OdometryStep> odometrySteps;

    /// One JSON object; absent figures are null, and so is the body OWN_BODIES.
    std::string toJson() const;
    /// Throws std::runtime_error for a text that is not such an object.
    static TrialFigures fromJson(const std::string& text);

    /// The figures of a run as one file, {"trials": [...]}, written aside and
    /// renamed into place; throws std::runtime_error naming the file.
    static void writeFile(const std::vector<TrialFigures>& figures, const std::string& file);
    /// What writeFile wrote; throws std::runtime_error naming the file for one
    /// that cannot be read or holds no such figures.
    static std::vector<TrialFigures> readFile(const std::string& file);
};

} // namespace field_trial
} // namespace tools

#endif
