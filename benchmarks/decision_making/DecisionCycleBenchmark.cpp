// One decision cycle on a game's world state: the proposal of who goes where,
// the role's behaviours, the head and the radio. Scenario 0: field player 6
// among all ten teammates and eleven opponents, the ball moving, so that it
// proposes roles and walks to its place; 1: the attacker at the ball, number 10
// (whom the team takes for closest until its first vote) with only its
// goalkeeper behind, approaching its kick; 2: the goalkeeper guarding. The
// cycles advance the server time, so the agent speaks in its slot and the head
// scans.
#include "decision_making/DecisionMakingImpl.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/support/AgentWorkingDirectory.h"
#include "tests/support/ShippedNavigationParams.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using decision_making::testing::HandBuiltModeling;
using marlowinds_lib::math::Pose2D;
using modeling::testing::AllocationCounter;
using Access = HandBuiltModeling::Access;

enum Scenario : int { AMONG_THE_TEAM = 0, AT_THE_BALL = 1, GOALKEEPER = 2 };

constexpr int GOALIE = 1;
constexpr int ATTACKER = 10;
const Pose2D GOALIE_POSE(0.0, -14.5, 0.2);

std::unique_ptr<HandBuiltModeling> gameState(Scenario scenario) {
    const int self = scenario == GOALKEEPER ? GOALIE : scenario == AT_THE_BALL ? ATTACKER : 6;
    auto models = std::make_unique<HandBuiltModeling>(self);
    modeling::WorldModel& world = models->world();
    Access::setPlaySide(world, representations::PlaySide::LEFT);
    Access::setPlayMode(world, modeling::PlayMode::PLAY_ON);
    for (int number = 1; number <= 11; ++number) {
        const Pose2D place(0.0, -12.0 + 2.0 * number, 6.0 - 1.1 * number);
        if (number == self) {
            Access::setSelfPose(world, scenario == GOALKEEPER ? GOALIE_POSE : place);
        } else if (scenario != AT_THE_BALL) {
            Access::setTeammate(world, number, place);
        }
        Access::setOpponent(world, number, Pose2D(0.0, 11.0 - 2.0 * number, 0.9 * number - 5.0));
    }
    if (scenario == AT_THE_BALL) {
        Access::setSelfPose(world, Pose2D(0.0, 0.0, -0.6));
        // One teammate known keeps the closest-to-ball reasoning off its line for an agent alone.
        Access::setTeammate(world, GOALIE, GOALIE_POSE);
    }
    Access::setBall(world, scenario == AT_THE_BALL ? Pose2D(0.0, -1.2, -0.4) : Pose2D(0.0, -4.0, 1.0));
    Access::refreshPlayerLists(world);
    return models;
}

void decisionCycle(benchmark::State& state) {
    const auto scenario = static_cast<Scenario>(state.range(0));
    tests::loadShippedNavigationParams();
    const tests::AgentWorkingDirectory workingDirectory(MARLOWINDS_CONFIGURATION_DIR); // formations
    const auto models = gameState(scenario);
    decision_making::DecisionMakingImpl decision;
    models->perceive(0.0);
    decision.decide(models->modeling); // builds the role, once in a game
    long allocations = 0;
    int cycle = 1;
    for (auto _ : state) {
        state.PauseTiming();
        models->perceive(0.02 * cycle);
        if (scenario == AMONG_THE_TEAM) {
            Access::setBall(models->world(), Pose2D(0.0, -4.0 + 3.0 * std::sin(0.01 * cycle), 1.0));
        }
        ++cycle;
        const long before = AllocationCounter::count();
        state.ResumeTiming();
        decision.decide(models->modeling);
        benchmark::DoNotOptimize(decision.getMovementRequest());
        state.PauseTiming();
        allocations += AllocationCounter::count() - before;
        state.ResumeTiming();
    }
    if (AllocationCounter::isAvailable()) {
        state.counters["allocations/cycle"] =
            static_cast<double>(allocations) / static_cast<double>(state.iterations());
    }
}
BENCHMARK(decisionCycle)
    ->Arg(AMONG_THE_TEAM)
    ->Arg(AT_THE_BALL)
    ->Arg(GOALKEEPER)
    ->ArgName("scenario")
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
