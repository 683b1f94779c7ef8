#include "utils/parser/Parser.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

// One full cycle's message as the server sends it in a vision cycle: all 22
// joints in mixed order, both foot sensors, a full view and two heard messages.
const std::string FULL_MESSAGE =
    "(time (now 128.46))(GS (unum 7) (team left) (sl 1) (sr 0) (t 94.32) (pm PlayOn))"
    "(GYR (n torso) (rt 0.57 -1.21 0.08))(ACC (n torso) (a 0.12 -0.33 9.79))"
    "(HJ (n llj4) (ax 80.54))(HJ (n laj4) (ax 23.51))"
    "(HJ (n raj3) (ax 14.94))(HJ (n laj2) (ax -78.86))"
    "(HJ (n llj6) (ax 15.40))(HJ (n laj1) (ax -81.07))"
    "(HJ (n raj4) (ax -50.21))(HJ (n raj2) (ax 10.20))"
    "(HJ (n llj5) (ax -66.03))(HJ (n raj1) (ax -14.55))"
    "(FRP (n lf) (c -0.01 -0.02 -0.02) (f 0.00 -0.01 22.48))"
    "(FRP (n rf) (c 0.01 0.02 -0.02) (f -0.09 0.04 23.11))"
    "(HJ (n rlj6) (ax 7.32))(HJ (n laj3) (ax 12.76))"
    "(HJ (n rlj1) (ax 10.85))(HJ (n hj1) (ax 32.76))"
    "(HJ (n rlj2) (ax -71.45))(HJ (n rlj4) (ax 12.82))"
    "(See (G1R (pol 17.55 -3.33 4.31)) (G2R (pol 17.52 3.27 4.33)) (F1R (pol 19.55 -26.83 -1.75)) "
    "(F2R (pol 19.33 25.79 -1.91)) (B (pol 2.13 -8.70 -23.96)) "
    "(P (team Rivals) (id 4) (head (pol 6.34 12.02 1.26)) (rlowerarm (pol 6.31 10.38 -2.12)) "
    "(llowerarm (pol 6.41 13.25 -2.18)) (rfoot (pol 6.37 10.98 -5.41)) (lfoot (pol 6.38 12.60 -5.36))) "
    "(L (pol 8.24 -43.11 -6.08) (pol 19.67 -27.05 -2.31)) (L (pol 17.61 -5.24 -3.03) (pol 17.63 5.26 -2.99)) "
    "(L (pol 1.94 -50.21 -27.91) (pol 3.18 39.72 -16.24)) (L (pol 12.47 -12.56 -3.98) (pol 12.49 11.87 -4.02)) "
    "(L (pol 4.53 -31.40 -11.72) (pol 4.61 30.02 -11.55)))"
    "(HJ (n llj2) (ax -56.18))(HJ (n llj1) (ax -72.46))"
    "(HJ (n hj2) (ax 38.18))(HJ (n rlj5) (ax 11.59))"
    "(HJ (n llj3) (ax 21.42))(HJ (n rlj3) (ax -0.65))"
    "(AgentState (temp 48) (battery 75))"
    "(hear Marlowinds 128.44 -35.02 AAoGAABwAB8AOwA)(hear Marlowinds 128.44 self AAoGAABwAB8AOwA)";

std::size_t countNodes(const utils::parser::ParserTreeNode& node) {
    std::size_t count = 1;
    for (const auto& child : node.children) {
        count += countNodes(child);
    }
    return count;
}

// Parse and free the tree, as perception does once per cycle.
void parseFullMessage(benchmark::State& state) {
    utils::parser::Parser parser;
    const std::size_t nodes = countNodes(*parser.parseMessage(FULL_MESSAGE));
    for (auto _ : state) {
        auto root = parser.parseMessage(FULL_MESSAGE);
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FULL_MESSAGE.size()));
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["bytes"] = static_cast<double>(FULL_MESSAGE.size());
}
BENCHMARK(parseFullMessage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
