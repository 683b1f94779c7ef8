#include "perception/Perception.h"
#include "tests/perception/MessageFeed.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A vision cycle as the server sends it: clock, game state, inertial sensors,
// the 22 joints with vision between the neck and the arms, both feet among the
// legs, agent state and a heard team message.
const std::string VISION_CYCLE =
    "(time (now 214.86))(GS (sl 0) (sr 1) (t 172.40) (pm PlayOn))"
    "(GYR (n torso) (rt -1.37 0.62 4.05))(ACC (n torso) (a -0.21 0.08 9.74))"
    "(HJ (n hj1) (ax -24.18))(HJ (n hj2) (ax 21.04))"
    "(See (G1L (pol 11.82 38.40 3.07)) (G2L (pol 13.05 48.91 2.74)) (F1L (pol 9.44 -12.61 -3.59)) "
    "(F2L (pol 18.31 71.20 -1.86)) (B (pol 0.94 -6.33 -36.52)) "
    "(P (team Rivals) (id 9) (head (pol 3.72 20.18 7.44)) (rlowerarm (pol 3.70 18.02 3.60)) "
    "(llowerarm (pol 3.81 22.95 3.51)) (rfoot (pol 3.76 18.77 -3.35)) (lfoot (pol 3.77 21.60 -3.31))) "
    "(P (team Marlowinds) (id 6) (head (pol 7.90 -30.25 3.81)) (rfoot (pol 7.94 -31.10 -1.02))) "
    "(L (pol 9.52 -14.02 -3.42) (pol 11.30 41.88 -2.85)) (L (pol 3.41 -62.30 -9.61) (pol 12.77 37.15 -2.51)) "
    "(L (pol 5.26 -40.11 -6.12) (pol 6.08 29.74 -5.33)) (L (pol 11.81 38.42 -2.77) (pol 13.03 48.87 -2.49)))"
    "(HJ (n raj1) (ax -85.20))(HJ (n raj2) (ax -9.77))(HJ (n raj3) (ax 89.96))(HJ (n raj4) (ax 64.30))"
    "(HJ (n laj1) (ax -91.45))(HJ (n laj2) (ax 11.02))(HJ (n laj3) (ax -90.11))(HJ (n laj4) (ax -62.87))"
    "(HJ (n rlj1) (ax -0.31))(HJ (n rlj2) (ax 2.44))(HJ (n rlj3) (ax 31.60))(HJ (n rlj4) (ax -60.15))"
    "(HJ (n rlj5) (ax 33.82))(HJ (n rlj6) (ax -2.10))"
    "(FRP (n rf) (c 0.02 -0.01 -0.02) (f 0.31 -0.12 24.63))"
    "(HJ (n llj1) (ax -0.31))(HJ (n llj2) (ax -1.87))(HJ (n llj3) (ax 28.04))(HJ (n llj4) (ax -55.92))"
    "(HJ (n llj5) (ax 30.77))(HJ (n llj6) (ax 1.93))"
    "(FRP (n lf) (c -0.01 0.02 -0.02) (f -0.27 0.15 21.09))"
    "(AgentState (temp 47) (battery 81))(hear Marlowinds 214.84 -112.35 RQCgAIAgiCAoACKA)";

// One perception cycle: parse, build the perceptors, fold them into the snapshot.
void perceiveVisionCycle(benchmark::State& state) {
    perception::Perception perception;
    perception::testing::MessageFeed feed;
    const communication::Communication& communication = feed.deliver(VISION_CYCLE);
    for (auto _ : state) {
        perception.perceive(communication);
        benchmark::DoNotOptimize(perception.getAgentPerception().getVisibleObjects().data());
    }
    state.counters["objects"] = static_cast<double>(perception.getAgentPerception().getVisibleObjects().size());
    state.counters["bytes"] = static_cast<double>(VISION_CYCLE.size());
}
BENCHMARK(perceiveVisionCycle)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
