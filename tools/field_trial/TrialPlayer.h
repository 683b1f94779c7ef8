#ifndef TOOLS_FIELD_TRIAL_TRIALPLAYER_H
#define TOOLS_FIELD_TRIAL_TRIALPLAYER_H

#include "agent/BodyChoice.h"
#include "agent/SoccerPlayer.h"
#include "communication/ServerSocket.h"
#include "control/ControlStateMachine.h"
#include "tools/field_trial/MissedCycleCounter.h"
#include "tools/field_trial/ScriptedDecision.h"

#include <memory>
#include <string>

namespace tools {
namespace field_trial {

/// What is counted of a player's cycles.
struct CycleCount {
    int cycles = 0;
    /// Server cycles that went by without a message to the player.
    int missedCycles = 0;
    /// Cycles whose joint commands or own pose estimate were not all finite.
    int notFiniteCycles = 0;
    /// CPU time of the player's thread over its cycles (s).
    double cpuSeconds = 0.0;
    double maximumCpuSeconds = 0.0;
};

/// A player built from the agent's runtime, with a scripted decision in place
/// of the agent's, on the connection the trial gives it.
class TrialPlayer {
public:
    static constexpr const char* TEAM = "FieldTrial";

    /// The agent's start-up: connects, obtains the body and registers.
    TrialPlayer(std::unique_ptr<communication::ServerSocket> connection, const agent::BodyChoice& body);

    /// One cycle of the player, its thread's CPU time measured.
    void cycle();

    ScriptedDecision& script() { return *decision; }
    agent::SoccerPlayer& runtime() { return player; }
    /// Game time (s) of the cycle's message.
    double gameTime();
    const CycleCount& count() const { return counted; }
    /// False once the motion asked for has ended: motion control is idle.
    bool isMoving();
    /// A kick, a keyframe page or a neural motion runs (not the walk).
    bool isPlayingMotion();
    /// The keyframe page that runs; empty when none does.
    std::string playingPage();
    /// Turns at every walk step.
    bool isLeftFootSwinging();

private:
    TrialPlayer(std::unique_ptr<communication::ServerSocket> connection, const agent::BodyChoice& body,
                std::unique_ptr<ScriptedDecision> script);

    bool allFinite();
    const control::ControlStateMachine& motion();

    ScriptedDecision* decision; // owned by the player
    agent::SoccerPlayer player;
    CycleCount counted;
    MissedCycleCounter missedCycles;
};

} // namespace field_trial
} // namespace tools

#endif
