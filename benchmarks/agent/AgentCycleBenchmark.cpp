// One whole agent cycle, from the server's message text to the command
// message, with the agent's own decision making (a field player, number 4, or
// the goalkeeper, number 1, in play on among a few players), and the control
// stage alone, while motion control walks (movement 0) or plays getReady over
// and over (1); the robot's joints follow the commands as the test server's plant.
// Run from a folder where ../configuration/core is the configuration, as the
// agent is (scripts/test.sh runs it from build/).
#include "action/ActionImpl.h"
#include "agent/BodyChoice.h"
#include "agent/StartUpConfiguration.h"
#include "control/ControlImpl.h"
#include "control/KeyframeRequest.h"
#include "control/LookRequest.h"
#include "control/WalkRequest.h"
#include "control/keyframe/KeyframeType.h"
#include "decision_making/DecisionMakingImpl.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"
#include "perception/Perception.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/perception/MessageFeed.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

using modeling::testing::AllocationCounter;

const std::string TEAM = "Marlowinds";
/// The field player of the control stage, body type 2.
constexpr int AGENT = 4;

enum Movement : int { WALK = 0, KEYFRAME = 1 };

/// For the control stage: the movement of the benchmark and the head turning from side to side.
class FixedDecision : public decision_making::DecisionMaking {
public:
    explicit FixedDecision(Movement kind) {
        if (kind == WALK) {
            movement = std::make_shared<control::WalkRequest>(marlowinds_lib::math::Pose2D(0.2, 0.3, 0.05));
        } else {
            movement = std::make_shared<control::KeyframeRequest>(control::keyframe::KeyframeType::INIT, false);
        }
    }

    void decide(modeling::Modeling& /*modeling*/) override {
        movementRequest = movement;
        lookRequest = std::make_shared<control::LookRequest>(0.6 * ((cycle++ / 50) % 2 == 0 ? 1.0 : -1.0), -0.3);
    }

private:
    std::shared_ptr<control::MovementRequest> movement;
    int cycle = 0;
};

/// The components of the agent, cycle by cycle against the test server's messages.
class Agent {
public:
    Agent(int uniformNumber, std::unique_ptr<decision_making::DecisionMaking> decision)
        : robotType(agent::BodyChoice::fromUniformNumber(uniformNumber).getRobotType()),
          modeling(uniformNumber, TEAM, robotType), decision(std::move(decision)), control(robotType) {
        marlowinds_lib::math::MathUtils::generator.seed(5489u);
        agent::StartUpConfiguration::load(control);
        tools::test_server::SimulatedWorld world;
        world.uniformNumber = uniformNumber;
        world.bodyType = robotType;
        world.playMode = "PlayOn";
        // The teammate in the camera's view: an agent that knows none says so every cycle.
        world.players = {{TEAM, 2, -2.0, 1.5}, {"Opponents", 9, 3.0, 1.0}};
        builder = std::make_unique<tools::test_server::SensorMessageBuilder>(world);
    }

    /// Perception of the next message, which stands for receiving it.
    void perceive() { perception.perceive(feed.deliver(builder->nextMessage())); }
    void modelDecideControlAct() {
        modeling.model(perception, control);
        decision->decide(modeling);
        control.control(perception, modeling, *decision);
        action.act(*decision, control);
    }
    void controlOnly() { control.control(perception, modeling, *decision); }
    void modelAndDecide() {
        modeling.model(perception, control);
        decision->decide(modeling);
    }
    /// The joints move by the commands, as on the server.
    void moveJoints() {
        const std::vector<double> commands = control.getJointsCommands().getAsVector();
        std::copy(commands.begin(), commands.end(), speeds.begin());
        builder->applyJointSpeeds(speeds);
    }
    const std::string& commandMessage() const { return action.getServerMessage(); }

private:
    representations::RobotType::ROBOT_TYPE robotType;
    perception::testing::MessageFeed feed;
    perception::Perception perception{TEAM};
    modeling::Modeling modeling;
    std::unique_ptr<decision_making::DecisionMaking> decision;
    control::ControlImpl control;
    action::ActionImpl action;
    std::unique_ptr<tools::test_server::SensorMessageBuilder> builder;
    std::array<double, 22> speeds{};
};

/// The agent, past its first cycles (the role is built in the first).
template <typename Make> std::unique_ptr<Agent> makeAgent(benchmark::State& state, Make make) {
    try {
        auto agent = make();
        for (int cycle = 0; cycle < 10; ++cycle) {
            agent->perceive();
            agent->modelDecideControlAct();
            agent->moveJoints();
        }
        return agent;
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return nullptr;
    }
}

void reportAllocations(benchmark::State& state, long allocations) {
    if (AllocationCounter::isAvailable()) {
        state.counters["allocations/cycle"] =
            static_cast<double>(allocations) / static_cast<double>(state.iterations());
    }
}

void agentCycle(benchmark::State& state) {
    const int number = static_cast<int>(state.range(0));
    const auto agent = makeAgent(state, [number] {
        return std::make_unique<Agent>(number, std::make_unique<decision_making::DecisionMakingImpl>());
    });
    if (!agent) {
        return;
    }
    long allocations = 0;
    for (auto _ : state) {
        const long before = AllocationCounter::count();
        agent->perceive();
        agent->modelDecideControlAct();
        benchmark::DoNotOptimize(agent->commandMessage().data());
        state.PauseTiming();
        allocations += AllocationCounter::count() - before;
        agent->moveJoints();
        state.ResumeTiming();
    }
    reportAllocations(state, allocations);
}
BENCHMARK(agentCycle)->Arg(4)->Arg(1)->ArgName("number")->Unit(benchmark::kMicrosecond);

void controlStage(benchmark::State& state) {
    const auto movement = static_cast<Movement>(state.range(0));
    const auto agent = makeAgent(
        state, [movement] { return std::make_unique<Agent>(AGENT, std::make_unique<FixedDecision>(movement)); });
    if (!agent) {
        return;
    }
    long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        agent->moveJoints();
        agent->perceive();
        agent->modelAndDecide();
        const long before = AllocationCounter::count();
        state.ResumeTiming();
        agent->controlOnly();
        state.PauseTiming();
        allocations += AllocationCounter::count() - before;
        state.ResumeTiming();
    }
    reportAllocations(state, allocations);
}
BENCHMARK(controlStage)->Arg(WALK)->Arg(KEYFRAME)->ArgName("movement")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
