#ifndef TOOLS_FIELD_TRIAL_LOCALISATIONMETER_H
#define TOOLS_FIELD_TRIAL_LOCALISATIONMETER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "representations/PlaySide.h"
#include "tools/field_trial/TrialFigures.h"
#include "tools/field_trial/TrueBody.h"

#include <array>
#include <vector>

namespace tools {
namespace field_trial {

/// What the player believed in one cycle.
struct BelievedPose {
    /// Game time (s) of the cycle.
    double time = 0.0;
    /// Its own pose estimate, in its own field frame.
    marlowinds_lib::math::Pose2D estimate;
    /// The walk's odometry of the cycle: the displacement it expects by the next one.
    marlowinds_lib::math::Pose2D odometry;
    /// Whether the walk's step changed feet in the cycle.
    bool stepBegan = false;
    representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT;
};

/// Compares the player's own pose estimate with the truth of the same game
/// time, and the walk's odometry with the true displacement over each step,
/// both measured from the step's first cycle that has a truth.
class LocalisationMeter {
public:
    /// The capacity for this many cycles is taken at once.
    explicit LocalisationMeter(std::size_t cycles);

    /// After every cycle: what the player believed and the latest truth.
    void observe(const BelievedPose& believed, const TrueBody& truth);
    /// The estimate's figures and the odometry's.
    void fill(TrialFigures& figures) const;
    /// The odometry's figures alone, for a walk whose estimate is not judged.
    void fillOdometry(TrialFigures& figures) const;

private:
    struct Cycle {
        double time = -1.0;
        marlowinds_lib::math::Pose2D estimate;
        /// The odometry summed from the start to the cycle's time.
        marlowinds_lib::math::Pose2D travelled;
        representations::PlaySide::PLAY_SIDE side = representations::PlaySide::LEFT;
    };

    void score(const Cycle& cycle, const TrueBody& truth);

    /// The last few cycles: the truth arrives up to two cycles late.
    std::array<Cycle, 4> recent;
    std::size_t next = 0;
    marlowinds_lib::math::Pose2D travelled;
    TrueBody pendingTruth;
    double lastTruthTime = -1.0;

    bool stepPending = false;
    bool stepOpen = false;
    marlowinds_lib::math::Pose2D stepStartTruth;
    marlowinds_lib::math::Pose2D stepStartTravelled;

    std::vector<double> positionErrors;
    std::vector<double> headingErrors;
    std::vector<OdometryStep> steps;
};

} // namespace field_trial
} // namespace tools

#endif
