#ifndef TOOLS_ODOMETRY_FIT_ODOMETRYFIT_H
#define TOOLS_ODOMETRY_FIT_ODOMETRYFIT_H

#include "tools/field_trial/TrialFigures.h"
#include "tools/graph_generator/OdometryCalibration.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tools {
namespace odometry_fit {

/// The least-squares scale of each of x, y and rotation from the walk's
/// odometry over a step to the torso's true motion over it. A scale is the
/// same for a step and for each of its cycles, so the calibrator, which
/// corrects every cycle, can apply it. The map has no cross terms and no bias,
/// and the precise flag gets no weight: the field trials show none of them
/// consistently (configuration/neural_motions/README.md).
class OdometryFit {
public:
    static constexpr std::size_t MIN_STEPS = 10;
    /// Metres along x and y and radians: more than a standing walk's sway.
    static constexpr std::array<double, 3> MIN_MOTION = {0.01, 0.01, 0.05};

    /// Takes the trial's steps, unless it failed or the player fell in it (its
    /// steps would then hold the fall and the getting up); false when it left them out.
    bool addTrial(const field_trial::TrialFigures& trial);
    std::size_t getSteps() const { return steps.size(); }

    /// Throws std::runtime_error when the steps do not determine a scale:
    /// each of x, y and rotation needs MIN_STEPS steps of at least its MIN_MOTION.
    graph_generator::OdometryCalibration solve() const;
    /// The root mean square of each of x, y and rotation of the steps' errors
    /// after the calibration, over the steps of the body type (all for -1);
    /// not a number without steps.
    std::array<double, 3> rmsErrors(const graph_generator::OdometryCalibration& calibration, int body = -1) const;

private:
    struct BodyStep {
        int body;
        field_trial::OdometryStep step;
    };
    std::vector<BodyStep> steps;
};

} // namespace odometry_fit
} // namespace tools

#endif
