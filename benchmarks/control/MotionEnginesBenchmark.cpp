#include "control/kick/KickZMP.h"
#include "control/walking/InverseKinematics.h"
#include "control/walking/OmnidirectionalWalkZMP.h"
#include "control/walking/RobotPhysicalParameters.h"

#include <benchmark/benchmark.h>

namespace {

using control::walking::RobotPhysicalParameters;

const RobotPhysicalParameters NAO = RobotPhysicalParameters::getNaoPhysicalParameters();

// One walk cycle: a step boundary every tenth cycle (step plan), the pendulum of both axes, the
// feet, the leg inverse kinematics, the arms and the odometry.
void walkCycle(benchmark::State& state) {
    control::walking::InverseKinematics inverseKinematics(NAO);
    control::walking::OmnidirectionalWalkZMP walk({}, NAO, &inverseKinematics);
    walk.setWalkParams({0.2, 0.3, 0.025, 0.2, 0.055, 0.5});
    walk.restart();
    walk.setDesiredVelocity({0.5, 0.4, 0.1});
    representations::NaoJoints joints;
    for (auto _ : state) {
        walk.update(0.02, joints);
        benchmark::DoNotOptimize(joints);
        benchmark::DoNotOptimize(walk.getOdometry());
    }
}
BENCHMARK(walkCycle);

// One kick cycle, over the whole kick and again.
void kickCycle(benchmark::State& state) {
    control::walking::InverseKinematics inverseKinematics(NAO);
    control::kick::KickZMP kick(control::kick::KickZMPParams::getDefaultKickZMPParams(), false, NAO,
                                &inverseKinematics);
    representations::NaoJoints joints;
    for (auto _ : state) {
        if (kick.hasKicked()) {
            kick.reset();
        }
        kick.update(0.02, joints);
        benchmark::DoNotOptimize(joints);
    }
}
BENCHMARK(kickCycle);

} // namespace

BENCHMARK_MAIN();
