#include "tools/field_trial/TrialPlayer.h"

#include "control/ControlImpl.h"
#include "control/IdleState.h"
#include "control/KeyframeMovementState.h"
#include "control/KickMovementState.h"
#include "control/NeuralMovementState.h"
#include "perception/AgentPerception.h"
#include "representations/NaoJoints.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

double threadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

} // namespace

TrialPlayer::TrialPlayer(std::unique_ptr<communication::ServerSocket> connection, const agent::BodyChoice& body)
    : TrialPlayer(std::move(connection), body, std::make_unique<ScriptedDecision>()) {}

TrialPlayer::TrialPlayer(std::unique_ptr<communication::ServerSocket> connection, const agent::BodyChoice& body,
                         std::unique_ptr<ScriptedDecision> script)
    : decision(script.get()), player(std::move(connection), TEAM, body, std::move(script)) {}

void TrialPlayer::cycle() {
    const double start = threadCpuSeconds();
    player.playCycle();
    const double used = threadCpuSeconds() - start;
    counted.cpuSeconds += used;
    counted.maximumCpuSeconds = std::max(counted.maximumCpuSeconds, used);
    ++counted.cycles;

    missedCycles.observe(player.getModeling().getAgentModel().getAgentPerception()->getGlobalTime());
    counted.missedCycles = missedCycles.getMissed();
    if (!allFinite()) {
        ++counted.notFiniteCycles;
    }
}

double TrialPlayer::gameTime() {
    // The agent model holds no perception before the first cycle.
    const perception::AgentPerception* perceived = player.getModeling().getAgentModel().getAgentPerception();
    return perceived != nullptr ? perceived->getGameState().getGameTime() : 0.0;
}

bool TrialPlayer::isMoving() { return motion().state_cast<const control::IdleState*>() == nullptr; }

bool TrialPlayer::isPlayingMotion() {
    const control::ControlStateMachine& machine = motion();
    return machine.state_cast<const control::KeyframeMovementState*>() != nullptr ||
           machine.state_cast<const control::KickMovementState*>() != nullptr ||
           machine.state_cast<const control::NeuralMovementState*>() != nullptr;
}

std::string TrialPlayer::playingPage() {
    const control::ControlStateMachine& machine = motion();
    if (machine.state_cast<const control::KeyframeMovementState*>() == nullptr) {
        return "";
    }
    const auto& page = machine.getKeyframePlayer().getCurrentPage();
    return page ? page->getName() : "";
}

bool TrialPlayer::isLeftFootSwinging() { return motion().getWalk().isLeftFootSwinging(); }

const control::ControlStateMachine& TrialPlayer::motion() {
    // The runtime's motion control is always its ControlImpl.
    return dynamic_cast<control::ControlImpl&>(player.getControl()).getStateMachine();
}

bool TrialPlayer::allFinite() {
    const representations::NaoJoints& commands = player.getControl().getJointsCommands();
    for (int joint = 0; joint < representations::NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        if (!std::isfinite(commands.getValue(static_cast<representations::NaoJoints::HINGE_JOINTS>(joint)))) {
            return false;
        }
    }
    const marlowinds_lib::math::Pose2D& self = player.getModeling().getWorldModel().getSelf().getPosition();
    return std::isfinite(self.rotation) && std::isfinite(self.translation.x) && std::isfinite(self.translation.y);
}

} // namespace field_trial
} // namespace tools
