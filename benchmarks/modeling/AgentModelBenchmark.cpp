#include "control/Control.h"
#include "modeling/AgentModel.h"
#include "modeling/BodyModel.h"
#include "perception/AgentPerception.h"
#include "perception/PerceptorFactory.h"
#include "utils/parser/Parser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The body sensors of one cycle in mid-stride: all 22 joints, both feet, the inertial sensors.
const std::string BODY_CYCLE =
    "(time (now 214.86))(GYR (n torso) (rt -1.37 0.62 4.05))(ACC (n torso) (a -0.21 0.08 9.74))"
    "(HJ (n hj1) (ax -24.18))(HJ (n hj2) (ax 21.04))"
    "(HJ (n raj1) (ax -85.20))(HJ (n raj2) (ax -9.77))(HJ (n raj3) (ax 89.96))(HJ (n raj4) (ax 64.30))"
    "(HJ (n laj1) (ax -91.45))(HJ (n laj2) (ax 11.02))(HJ (n laj3) (ax -90.11))(HJ (n laj4) (ax -62.87))"
    "(HJ (n rlj1) (ax -0.31))(HJ (n rlj2) (ax 2.44))(HJ (n rlj3) (ax 31.60))(HJ (n rlj4) (ax -60.15))"
    "(HJ (n rlj5) (ax 33.82))(HJ (n rlj6) (ax -2.10))(FRP (n rf) (c 0.02 -0.01 -0.02) (f 0.31 -0.12 24.63))"
    "(HJ (n llj1) (ax -0.31))(HJ (n llj2) (ax -1.87))(HJ (n llj3) (ax 28.04))(HJ (n llj4) (ax -55.92))"
    "(HJ (n llj5) (ax 30.77))(HJ (n llj6) (ax 1.93))(FRP (n lf) (c -0.01 0.02 -0.02) (f -0.27 0.15 21.09))";

/// Motion control is only carried by the update; it answers nothing of interest.
class IdleControl : public control::Control {
public:
    control::walking::OdometryDistribution getWalkOdometry() override { return {}; }
    representations::NaoJoints& getJointsCommands() override { return commands; }

private:
    representations::NaoJoints commands;
};

struct PerceivedCycle {
    PerceivedCycle() {
        const auto root = parser.parseMessage(BODY_CYCLE);
        factory.update(*root);
        perception.update(factory.getPerceptors());
    }

    utils::parser::Parser parser;
    perception::PerceptorFactory factory;
    perception::AgentPerception perception;
};

void bodyModelUpdate(benchmark::State& state) {
    const PerceivedCycle cycle;
    modeling::BodyModel model;
    for (auto _ : state) {
        model.update(cycle.perception.getNaoJoints());
        benchmark::DoNotOptimize(model.computeCenterOfMass());
    }
}
BENCHMARK(bodyModelUpdate);

// The whole per-cycle work of the agent model, body model included, as the modeling facade runs it.
void agentModelUpdate(benchmark::State& state) {
    PerceivedCycle cycle;
    IdleControl control;
    modeling::AgentModel model(7, 4);
    modeling::AgentModelUpdateData data(cycle.perception, control);
    for (auto _ : state) {
        model.update(data);
        benchmark::DoNotOptimize(model.hasFallen());
        benchmark::DoNotOptimize(model.getFromCameraToRootTransform());
    }
}
BENCHMARK(agentModelUpdate);

} // namespace

BENCHMARK_MAIN();
