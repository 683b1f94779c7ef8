#include "action/ActionImpl.h"

#include "control/Control.h"
#include "decision_making/DecisionMaking.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

// Counts heap allocations, so that the figures show what the per-cycle
// message costs in allocations as well as in time.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
// GCC cannot see that every new in this program is the malloc above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace {

class MovingControl : public control::Control {
public:
    MovingControl() {
        for (int joint = 0; joint < representations::NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            // Speeds with all six significant digits, like a controller's output.
            commands.setValue(static_cast<representations::NaoJoints::HINGE_JOINTS>(joint),
                              (joint % 2 == 0 ? 1.0 : -1.0) * (0.123456 + joint * 0.271828));
        }
    }
    control::walking::OdometryDistribution getWalkOdometry() override { return {}; }
    representations::NaoJoints& getJointsCommands() override { return commands; }

private:
    representations::NaoJoints commands;
};

class Decision : public decision_making::DecisionMaking {
public:
    explicit Decision(bool speaks) {
        if (speaks) {
            sayMessage = std::make_shared<std::string>("AAoGAABwAB8AOwA");
            beamRequest = std::make_shared<marlowinds_lib::math::Pose2D>(0.0, -14.5, 0.0);
        }
    }
    void decide(modeling::Modeling&) override {}
};

// One cycle's command message: the 22 joint speed commands (and, in the second
// case, a say and a beam), written into the reused message buffer.
void commandMessage(benchmark::State& state) {
    action::ActionImpl action;
    MovingControl control;
    Decision decision(state.range(0) != 0);
    action.act(decision, control); // warm up the reused buffers
    const long before = allocations.load();
    for (auto _ : state) {
        action.act(decision, control);
        benchmark::DoNotOptimize(action.getServerMessage().data());
    }
    state.counters["allocations/cycle"] =
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(action.getServerMessage().size());
}
BENCHMARK(commandMessage)->Arg(0)->Arg(1)->ArgName("sayAndBeam")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
