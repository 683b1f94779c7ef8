// One localizer cycle with 300 particles, converged near the true pose, for a
// typical view (flags, goal posts, long field lines and centre-circle pieces)
// and for a view of lines only.
#include "control/walking/OdometryDistribution.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldDescription.h"
#include "modeling/state_estimation/Localizer.h"
#include "representations/NaoJoints.h"
#include "tools/localization_harness/SeenObjects.h"
#include "tools/localization_harness/SimulatedVision.h"

#include <benchmark/benchmark.h>

#include <boost/random/mersenne_twister.hpp>

#include <cstdlib>

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using tools::localization_harness::SeenObjects;
using tools::localization_harness::SimulatedVision;

void runCycles(benchmark::State& state, bool landmarks) {
    MathUtils::generator.seed(5489u);
    std::srand(1);
    modeling::FieldDescription field;
    modeling::state_estimation::Localizer localizer(field, 300, modeling::state_estimation::LocalizerParams());
    boost::random::mt19937 engine(7u);
    SimulatedVision vision(engine);
    const Pose2D truth(0.5, -6, -4);
    SeenObjects seen;
    seen.perceive(vision.see(truth, representations::PlaySide::LEFT, true));
    control::walking::OdometryDistribution odometry;
    odometry.sigmaRotation = 0.001;
    odometry.sigmaX = odometry.sigmaY = 0.0005;
    const representations::NaoJoints joints;
    // Converge first, so that the cycles measured are the steady ones.
    for (int cycle = 0; cycle < 10; ++cycle) {
        localizer.update(0.0, seen.getFlags(), seen.getGoalPosts(), seen.getLines(), odometry, joints);
    }
    if (!landmarks) {
        seen.perceive(vision.see(truth, representations::PlaySide::LEFT, false));
    }

    for (auto _ : state) {
        localizer.update(0.0, seen.getFlags(), seen.getGoalPosts(), seen.getLines(), odometry, joints);
        benchmark::DoNotOptimize(localizer.getPoseEstimate());
    }
    state.counters["landmarks"] = static_cast<double>(seen.getFlags().size() + seen.getGoalPosts().size());
    state.counters["lines"] = static_cast<double>(seen.getLines().size());
}

void BM_LocalizerCycleTypicalView(benchmark::State& state) { runCycles(state, true); }
void BM_LocalizerCycleLinesOnly(benchmark::State& state) { runCycles(state, false); }

BENCHMARK(BM_LocalizerCycleTypicalView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocalizerCycleLinesOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
