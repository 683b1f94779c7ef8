// One modeling cycle over a realistic game sequence, whole and stage by stage.
#include "control/Control.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/AgentModel.h"
#include "modeling/BallModel.h"
#include "modeling/FieldDescription.h"
#include "modeling/Modeling.h"
#include "modeling/OtherPlayerModel.h"
#include "modeling/SelfModel.h"
#include "modeling/WorldModel.h"
#include "perception/Perception.h"
#include "tests/perception/MessageFeed.h"
#include "tests/support/TeamRadioRecord.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using marlowinds_lib::math::Pose2D;

const std::string TEAM = "Marlowinds";
constexpr int AGENT = 4;
constexpr int SEQUENCE_LENGTH = 600;
/// The robot's walk per cycle: about 0.25 m/s forward while turning gently.
const Pose2D STEP(0.002, 0.005, 0.0005);

/// Twelve seconds of play as the server would send them: the robot walks up
/// the field towards a rolling ball with seven players around, sees every third
/// cycle and hears a teammate every other cycle.
std::vector<std::string> gameSequence() {
    tools::test_server::SimulatedWorld world;
    world.uniformNumber = AGENT;
    world.playMode = "PlayOn";
    world.robotX = -9.0;
    world.robotY = -2.0;
    world.players = {{TEAM, 2, -6.0, 3.0},        {TEAM, 6, -1.0, -4.0},      {TEAM, 9, 3.0, 2.0},
                     {"Opponents", 4, 5.0, -1.0}, {"Opponents", 9, 8.0, 3.0}, {"Opponents", 10, 2.0, 5.0}};
    tools::test_server::SensorMessageBuilder builder(world);
    std::vector<std::string> messages;
    messages.reserve(SEQUENCE_LENGTH);
    const double direction = 40.0;
    for (int cycle = 0; cycle < SEQUENCE_LENGTH; ++cycle) {
        tools::test_server::SimulatedWorld& state = builder.world();
        state.robotHeading += STEP.rotation;
        state.robotX += STEP.translation.x * std::cos(state.robotHeading);
        state.robotY += STEP.translation.x * std::sin(state.robotHeading);
        state.ballX = -2.0 + 0.004 * cycle;
        state.ballY = 1.0 - 0.002 * cycle;
        for (auto& player : state.players) {
            player.x += 0.004;
        }
        if (cycle % 2 == 0) {
            const int sender = 2 + (cycle / 2) % 10;
            builder.queueHeard(TEAM,
                               tests::TeamRadioRecord::fieldPlayer(sender, -5.0, 1.0, false, state.ballX, state.ballY,
                                                                   true, tests::TeamRadioRecord::defaultRoles(), 9),
                               &direction);
        }
        messages.push_back(builder.nextMessage());
    }
    return messages;
}

/// Motion control as modeling reads it: the walk's steady step.
class WalkingControl : public control::Control {
public:
    control::walking::OdometryDistribution getWalkOdometry() override { return odometry; }
    representations::NaoJoints& getJointsCommands() override { return commands; }

    control::walking::OdometryDistribution odometry{STEP, 0.001, 0.002, 0.002};

private:
    representations::NaoJoints commands;
};

/// The sequence perceived message by message, over and over.
class Game {
public:
    Game() : messages(gameSequence()) { marlowinds_lib::math::MathUtils::generator.seed(5489u); }

    void perceiveNext() {
        perception.perceive(feed.deliver(messages[next]));
        next = (next + 1) % messages.size();
    }

    perception::Perception perception{TEAM};
    WalkingControl control;

private:
    std::vector<std::string> messages;
    std::size_t next = 0;
    perception::testing::MessageFeed feed;
};

/// The game with the agent model stepped and the visible objects moved into
/// the root frame by a world model, ready for one stage to be timed alone.
class StagedGame : public Game {
public:
    void prepareNext() {
        perceiveNext();
        modeling::AgentModelUpdateData data(perception.getAgentPerception(), control);
        agentModel.update(data);
        world.updateVisibleObjects(perception.getAgentPerception(), agentModel);
        ball = nullptr;
        lines.clear();
        players.clear();
        for (const auto& object : perception.getAgentPerception().getVisibleObjects()) {
            if (auto* seenBall = dynamic_cast<perception::VisibleBall*>(object.get())) {
                ball = seenBall;
            } else if (auto* line = dynamic_cast<perception::VisibleLine*>(object.get())) {
                lines.push_back(line);
            } else if (auto* player = dynamic_cast<perception::VisiblePlayer*>(object.get())) {
                players.push_back(player);
            }
        }
    }

    double time() const { return perception.getAgentPerception().getGlobalTime(); }

    modeling::AgentModel agentModel{AGENT, 2};
    modeling::WorldModel world{AGENT, TEAM};
    perception::VisibleBall* ball = nullptr;
    std::vector<perception::VisibleLine*> lines;
    std::vector<perception::VisiblePlayer*> players;
};

void modelingCycle(benchmark::State& state) {
    Game game;
    modeling::Modeling modeling(AGENT, TEAM, 2);
    for (auto _ : state) {
        state.PauseTiming();
        game.perceiveNext();
        state.ResumeTiming();
        modeling.model(game.perception, game.control);
        benchmark::DoNotOptimize(modeling.getWorldModel().getSelf());
    }
}
BENCHMARK(modelingCycle);

void agentModelStage(benchmark::State& state) {
    Game game;
    modeling::AgentModel agentModel(AGENT, 2);
    for (auto _ : state) {
        state.PauseTiming();
        game.perceiveNext();
        state.ResumeTiming();
        modeling::AgentModelUpdateData data(game.perception.getAgentPerception(), game.control);
        agentModel.update(data);
        benchmark::DoNotOptimize(agentModel.getFromCameraToRootTransform());
    }
}
BENCHMARK(agentModelStage);

void worldModelStage(benchmark::State& state) {
    Game game;
    modeling::AgentModel agentModel(AGENT, 2);
    modeling::WorldModel world(AGENT, TEAM);
    control::walking::OdometryDistribution odometry = game.control.odometry;
    for (auto _ : state) {
        state.PauseTiming();
        game.perceiveNext();
        modeling::AgentModelUpdateData data(game.perception.getAgentPerception(), game.control);
        agentModel.update(data);
        state.ResumeTiming();
        world.update(game.perception.getAgentPerception(), agentModel, odometry);
        benchmark::DoNotOptimize(world.getSelf());
    }
}
BENCHMARK(worldModelStage);

void localisationStage(benchmark::State& state) {
    StagedGame game;
    modeling::FieldDescription field;
    field.update(representations::PlaySide::LEFT);
    modeling::SelfModel self(field);
    for (auto _ : state) {
        state.PauseTiming();
        game.prepareNext();
        state.ResumeTiming();
        self.update(game.time(), game.world.getVisibleFlags(), game.world.getVisibleGoalPosts(), game.lines,
                    game.control.odometry, game.perception.getAgentPerception().getNaoJoints());
        benchmark::DoNotOptimize(self.getObject());
    }
}
BENCHMARK(localisationStage);

void ballStage(benchmark::State& state) {
    StagedGame game;
    modeling::BallModel ball;
    const Pose2D selfPose(0.0, -9.0, -2.0);
    representations::HearData heard;
    for (auto _ : state) {
        state.PauseTiming();
        game.prepareNext();
        heard = game.perception.getAgentPerception().getHearData();
        heard.decode(TEAM);
        state.ResumeTiming();
        ball.update(game.time(), game.ball, heard, TEAM, AGENT, game.control.odometry.mean, selfPose);
        benchmark::DoNotOptimize(ball.getObject());
    }
}
BENCHMARK(ballStage);

// The eleven teammates and eleven opponents: the seen ones corrected, the others predicted.
void playersStage(benchmark::State& state) {
    StagedGame game;
    std::vector<modeling::OtherPlayerModel> teammates;
    std::vector<modeling::OtherPlayerModel> opponents;
    for (int number = 1; number <= 11; ++number) {
        teammates.emplace_back(number);
        opponents.emplace_back(number);
    }
    const Pose2D selfPose(0.0, -9.0, -2.0);
    std::vector<const perception::VisiblePlayer*> seen(22, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        game.prepareNext();
        std::fill(seen.begin(), seen.end(), nullptr);
        for (const perception::VisiblePlayer* player : game.players) {
            if (modeling::OtherPlayerModel::isUniformNumber(player->getId())) {
                seen[(player->getTeamName() == TEAM ? 0 : 11) + player->getId() - 1] = player;
            }
        }
        state.ResumeTiming();
        for (std::size_t i = 0; i < 11; ++i) {
            teammates[i].update(game.time(), seen[i], game.control.odometry.mean, selfPose);
            opponents[i].update(game.time(), seen[11 + i], game.control.odometry.mean, selfPose);
        }
        benchmark::DoNotOptimize(teammates.front().getObject());
    }
}
BENCHMARK(playersStage);

} // namespace

BENCHMARK_MAIN();
