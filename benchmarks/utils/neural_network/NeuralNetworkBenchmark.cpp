// One forward pass of the walk's odometry calibrator and of a kick, and the
// loading of a kick's graph at the start of its motion: the graphs the build
// generated, through the network wrapper as the agent calls it.
#include "utils/neural_network/NeuralNetwork.h"

#include <benchmark/benchmark.h>

namespace {

using utils::neural_network::NeuralNetwork;

// The graphs lie under <source>/configuration/core/neural_network, as the
// agent finds them from a working directory beside the configuration folder.
constexpr const char* ROOT = MARLOWINDS_SOURCE_DIR "/configuration";
constexpr const char* KICK = "kick/18.0m";

void forwardPasses(benchmark::State& state, NeuralNetwork& network, int inputs) {
    if (!network.isLoaded()) {
        state.SkipWithError("the graph was not loaded");
        return;
    }
    double time = 0.0;
    for (auto _ : state) {
        for (int i = 0; i < inputs; ++i) {
            network.addFeature(time + i);
        }
        benchmark::DoNotOptimize(network.forwardPass());
        time += 0.02;
    }
}

void BM_OdometryCalibratorForwardPass(benchmark::State& state) {
    NeuralNetwork calibrator(4, 3, "dense_1_input", "pi/output_node", ROOT, "odometry/odometry_calibrator");
    forwardPasses(state, calibrator, 4);
}
BENCHMARK(BM_OdometryCalibratorForwardPass);

void BM_KickForwardPass(benchmark::State& state) {
    NeuralNetwork kick(1, 23, "pi/ob", "pi/output_node", ROOT, KICK);
    forwardPasses(state, kick, 1);
}
BENCHMARK(BM_KickForwardPass);

void BM_KickGraphLoad(benchmark::State& state) {
    for (auto _ : state) {
        NeuralNetwork kick(1, 23, "pi/ob", "pi/output_node", ROOT, KICK);
        if (!kick.isLoaded()) {
            state.SkipWithError("the graph was not loaded");
            return;
        }
        benchmark::DoNotOptimize(kick);
    }
}
BENCHMARK(BM_KickGraphLoad);

} // namespace

BENCHMARK_MAIN();
