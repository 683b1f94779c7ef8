#include "tools/localization_harness/HarnessRunner.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/Localizer.h"
#include "representations/NaoJoints.h"
#include "tools/localization_harness/ErrorStatistics.h"
#include "tools/localization_harness/ScenarioGenerator.h"
#include "tools/localization_harness/SeenObjects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tools {
namespace localization_harness {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;

namespace {

constexpr int NUMBER_OF_PARTICLES = 300;

bool hasNaN(const Pose2D& pose) {
    return std::isnan(pose.rotation) || std::isnan(pose.translation.x) || std::isnan(pose.translation.y);
}

} // namespace

ScenarioResult HarnessRunner::run(const Scenario& scenario) {
    MathUtils::generator.seed(5489u);
    std::srand(1);
    modeling::FieldDescription field;
    field.update(scenario.side);
    modeling::state_estimation::Localizer localizer(field, NUMBER_OF_PARTICLES,
                                                    modeling::state_estimation::LocalizerParams());
    const representations::NaoJoints joints;
    ScenarioGenerator generator(scenario);
    SeenObjects seen;

    std::vector<double> positionErrors;
    std::vector<double> headingErrors;
    int kidnapCycle = -1;
    int nanCycles = 0;
    Frame frame;
    while (generator.next(frame)) {
        seen.perceive(frame.vision);
        localizer.update(frame.cycle * ScenarioGenerator::CYCLE, seen.getFlags(), seen.getGoalPosts(), seen.getLines(),
                         frame.odometry, joints);
        const Pose2D& estimate = localizer.getPoseEstimate();
        if (frame.kidnapped) {
            kidnapCycle = frame.cycle;
        }
        if (hasNaN(estimate)) {
            ++nanCycles;
        }
        // A NaN counts as the largest error, so that it also shows in the figures.
        const double positionError = estimate.translation.distance(frame.truth.translation);
        const double headingError = std::abs(MathUtils::normalizeAngle(estimate.rotation - frame.truth.rotation));
        positionErrors.push_back(std::isnan(positionError) ? HUGE_VAL : positionError);
        headingErrors.push_back(std::isnan(headingError) ? HUGE_VAL : headingError);
    }

    ScenarioResult result = measure(positionErrors, headingErrors, kidnapCycle);
    result.name = scenario.name;
    result.side = scenario.side;
    result.nanCycles = nanCycles;
    return result;
}

ScenarioResult HarnessRunner::measure(const std::vector<double>& positionErrors,
                                      const std::vector<double>& headingErrors, int kidnapCycle) {
    ScenarioResult result;
    result.cycles = static_cast<int>(positionErrors.size());
    std::vector<double> scoredPositions;
    std::vector<double> scoredHeadings;
    for (int cycle = 0; cycle < result.cycles; ++cycle) {
        const bool settling =
            cycle < SETTLE_CYCLES || (kidnapCycle >= 0 && cycle >= kidnapCycle && cycle < kidnapCycle + SETTLE_CYCLES);
        if (!settling) {
            scoredPositions.push_back(positionErrors[cycle]);
            scoredHeadings.push_back(headingErrors[cycle]);
        }
    }
    result.positionRms = ErrorStatistics::rootMeanSquare(scoredPositions);
    result.position95 = ErrorStatistics::percentile(scoredPositions, 0.95);
    result.positionMax = ErrorStatistics::maximum(scoredPositions);
    result.headingRms = ErrorStatistics::rootMeanSquare(scoredHeadings);
    result.headingMax = ErrorStatistics::maximum(scoredHeadings);

    const int end = kidnapCycle >= 0 ? kidnapCycle : result.cycles;
    const int converged = convergedFrom(positionErrors, headingErrors, 0);
    result.convergeCycles = converged != ScenarioResult::NEVER && converged < end ? converged : ScenarioResult::NEVER;
    result.kidnapped = kidnapCycle >= 0;
    if (result.kidnapped) {
        const int recovered = convergedFrom(positionErrors, headingErrors, kidnapCycle);
        result.recoverCycles = recovered == ScenarioResult::NEVER ? recovered : recovered - kidnapCycle;
    }
    return result;
}

int HarnessRunner::convergedFrom(const std::vector<double>& positionErrors, const std::vector<double>& headingErrors,
                                 int start) {
    const int cycles = static_cast<int>(positionErrors.size());
    int run = 0;
    for (int cycle = start; cycle < cycles; ++cycle) {
        const bool converged = positionErrors[cycle] < CONVERGED_POSITION && headingErrors[cycle] < CONVERGED_HEADING;
        run = converged ? run + 1 : 0;
        if (run == CONVERGED_CYCLES) {
            return cycle - CONVERGED_CYCLES + 1;
        }
    }
    return ScenarioResult::NEVER;
}

} // namespace localization_harness
} // namespace tools
