#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/positioning/delaunay_triangulation/DelaunayFormationFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/support/AgentWorkingDirectory.h"
#include "tests/support/ShippedNavigationParams.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using decision_making::positioning::delaunay_triangulation::DelaunayFormationFactory;
using marlowinds_lib::math::Pose2D;
using Access = decision_making::testing::HandBuiltModeling::Access;

// One navigation step, far from the target (potential field, with players around) or near it.
void navigate(benchmark::State& state) {
    tests::loadShippedNavigationParams();
    decision_making::testing::HandBuiltModeling models(7);
    for (int number = 1; number <= 11; ++number) {
        Access::setOpponent(models.world(), number, Pose2D(0.0, -2.0 + 0.4 * number, 0.3 * (number % 3)));
        Access::setTeammate(models.world(), number == 7 ? 8 : number, Pose2D(0.0, -2.0 + 0.4 * number, -0.3));
    }
    Access::setSelfPose(models.world(), Pose2D(0.0, state.range(0) == 0 ? -1.0 : 2.5, 0.1));
    Access::refreshPlayerLists(models.world());
    const tests::AgentWorkingDirectory workingDirectory(MARLOWINDS_CONFIGURATION_DIR); // the factory reads formations
    decision_making::behavior::BehaviorFactory factory;
    decision_making::behavior::NavigateToPosition& navigation = *factory.getNavigatePosition();
    navigation.setTarget(Pose2D(0.5, 3.0, 0.2));
    for (auto _ : state) {
        navigation.behave(models.modeling, 0.9);
        benchmark::DoNotOptimize(navigation.getMovementRequest());
    }
    state.SetLabel(state.range(0) == 0 ? "far" : "near");
}
BENCHMARK(navigate)->Arg(0)->Arg(1);

// The team's formation positions for one ball position, from the shipped default formation.
void formation(benchmark::State& state) {
    const DelaunayFormationFactory factory(std::string(MARLOWINDS_CONFIGURATION_DIR) + "/formation/");
    const auto& formation = *factory.getTriangulations()[DelaunayFormationFactory::DEFAULT_FORMATION];
    double x = -15.0;
    for (auto _ : state) {
        x = x >= 15.0 ? -15.0 : x + 0.37;
        benchmark::DoNotOptimize(formation.interpolate({x, 0.43 * x}));
    }
}
BENCHMARK(formation);

} // namespace

BENCHMARK_MAIN();
