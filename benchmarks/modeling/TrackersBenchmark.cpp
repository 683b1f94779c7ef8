#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "modeling/OtherPlayerModel.h"
#include "modeling/state_estimation/BallTracker.h"
#include "perception/VisibleBall.h"
#include "perception/VisiblePlayer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::Vector3;

const Pose2D WALKING(0.004, 0.01, 0.002);
const Pose2D SELF(0.3, -4.0, 2.0);

perception::VisiblePlayer standingPlayerAt(const Vector3<double>& point) {
    perception::VisiblePlayer player;
    const char* parts[] = {"head", "llowerarm", "rlowerarm", "lfoot", "rfoot"};
    const double heights[] = {0.5, 0.3, 0.3, 0.05, 0.05};
    for (int i = 0; i < 5; ++i) {
        player.setBodyPartPosition(parts[i], Vector3<double>(0.0, 0.0, heights[i]));
    }
    player.transformPosition(Pose3D(point));
    return player;
}

// One cycle of the ball tracker with the ball in sight.
void ballSeen(benchmark::State& state) {
    modeling::state_estimation::BallTracker tracker;
    perception::VisibleBall ball;
    ball.transformPosition(Pose3D(Vector3<double>(3.0, -1.0, 0.04)));
    for (auto _ : state) {
        tracker.update(WALKING, &ball);
        benchmark::DoNotOptimize(tracker.getPosition());
    }
}
BENCHMARK(ballSeen);

// One cycle of the ball tracker with the ball out of sight but still tracked.
void ballUnseen(benchmark::State& state) {
    modeling::state_estimation::BallTracker tracker;
    perception::VisibleBall ball;
    ball.transformPosition(Pose3D(Vector3<double>(3.0, -1.0, 0.04)));
    int cycle = 0;
    for (auto _ : state) {
        if (++cycle % 50 == 0) {
            tracker.update(WALKING, &ball);
        } else {
            tracker.update(WALKING);
        }
        benchmark::DoNotOptimize(tracker.getPosition());
    }
}
BENCHMARK(ballUnseen);

// The 22 other-player models of one cycle, a third of the players in sight.
void allOtherPlayers(benchmark::State& state) {
    std::vector<modeling::OtherPlayerModel> models;
    std::vector<perception::VisiblePlayer> seen;
    for (int i = 0; i < 22; ++i) {
        models.emplace_back(i % 11 + 1);
        seen.push_back(standingPlayerAt(Vector3<double>(1.0 + 0.5 * i, -5.0 + 0.4 * i, 0.0)));
    }
    int cycle = 0;
    for (auto _ : state) {
        ++cycle;
        for (int i = 0; i < 22; ++i) {
            const bool inSight = (i + cycle) % 3 == 0;
            models[i].update(0.0, inSight ? &seen[i] : nullptr, WALKING, SELF);
        }
        benchmark::DoNotOptimize(models.front().getObject());
    }
}
BENCHMARK(allOtherPlayers)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
