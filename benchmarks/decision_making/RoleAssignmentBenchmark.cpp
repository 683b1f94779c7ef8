#include "decision_making/positioning/role_assignment/MarkingSystem.h"
#include "decision_making/positioning/role_assignment/SCRAMByMMDR.h"
#include "tests/decision_making/HandBuiltModeling.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using decision_making::positioning::role_assignment::MarkingSystem;
using decision_making::positioning::role_assignment::SCRAMByMMDR;
using marlowinds_lib::math::Pose2D;
using Access = decision_making::testing::HandBuiltModeling::Access;

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

// A field player's whole proposal with every teammate known: the formation for the ball, the opponent to
// mark and the assignment; the ball moves from cycle to cycle.
void proposeRoles(benchmark::State& state) {
    decision_making::testing::HandBuiltModeling models(6);
    Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    for (int number = 1; number <= 11; ++number) {
        const Pose2D place(0.0, -12.0 + 2.0 * number, 6.0 - 1.1 * number);
        if (number == 6) {
            Access::setSelfPose(models.world(), place);
        } else {
            Access::setTeammate(models.world(), number, place);
        }
        Access::setOpponent(models.world(), number, Pose2D(0.0, 11.0 - 2.0 * number, 0.9 * number - 5.0));
    }
    MarkingSystem marking(std::string(MARLOWINDS_CONFIGURATION_DIR) + "/formation/");
    double x = -14.0;
    for (auto _ : state) {
        x = x >= 14.0 ? -14.0 : x + 0.37;
        Access::setBall(models.world(), Pose2D(0.0, x, 0.4 * x));
        Access::refreshPlayerLists(models.world());
        marking.selectRolesAndAssign(models.modeling);
    }
}
BENCHMARK(proposeRoles);

} // namespace

BENCHMARK_MAIN();
