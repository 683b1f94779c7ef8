#include "decision_making/positioning/role_assignment/SCRAMByMMDR.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using decision_making::positioning::role_assignment::SCRAMByMMDR;

// One assignment of ten players to ten places, one of them a marking point, as each field player solves it every cycle.
void assignTenPlayers(benchmark::State& state) {
    std::mt19937 engine(1);
    std::uniform_real_distribution<double> x(-15.0, 15.0);
    std::uniform_real_distribution<double> y(-10.0, 10.0);
    constexpr int PROBLEMS = 64;
    std::vector<std::vector<SCRAMByMMDR::Position>> agents(PROBLEMS);
    std::vector<std::vector<SCRAMByMMDR::Position>> targets(PROBLEMS);
    for (int p = 0; p < PROBLEMS; ++p) {
        for (int i = 0; i < SCRAMByMMDR::MAX_AGENTS; ++i) {
            agents[p].emplace_back(x(engine), y(engine));
            targets[p].emplace_back(x(engine), y(engine));
        }
    }
    const std::vector<int> roles = {1, 2, 3, 4, 15, 6, 7, 8, 9, 10};
    std::vector<SCRAMByMMDR::Assignment> result;
    result.reserve(SCRAMByMMDR::MAX_AGENTS);
    int p = 0;
    for (auto _ : state) {
        SCRAMByMMDR solver(agents[p], targets[p]);
        solver.solvePriority(roles);
        solver.mmdrSolve(result);
        benchmark::DoNotOptimize(result.data());
        p = (p + 1) % PROBLEMS;
    }
}
BENCHMARK(assignTenPlayers);

} // namespace

BENCHMARK_MAIN();
