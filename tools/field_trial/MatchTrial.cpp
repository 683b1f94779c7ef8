#include "tools/field_trial/MatchTrial.h"

#include "communication/Communication.h"
#include "communication/ServerSocketImpl.h"
#include "representations/MarlowindsConstants.h"
#include "tools/field_trial/RealServer.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

namespace tools {
namespace field_trial {

namespace {

using namespace std::chrono_literals;
using representations::PlaySide;
using Clock = std::chrono::steady_clock;

/// The agent's program of this build.
const char* const AGENT_PROGRAM = MARLOWINDS_AGENT_PROGRAM;
const char* const LOOPBACK = "127.0.0.1";
constexpr double CYCLE = representations::MarlowindsConstants::SAMPLE_TIME;
constexpr int TEAM_SIZE = utils::wizard::TEAM_SIZE;

/// Longest wait for a player to load its configuration and join.
constexpr auto JOINING = 60s;
/// Longest wait for the players to stand in their places before the kick-off,
/// which comes then all the same.
constexpr auto SETTLING = 20s;
/// Longest the game clock may stand still: for its start, and in the match.
constexpr auto CLOCK_STILL = 60s;
constexpr auto POLL = 2ms;
/// The trainer's command for a full scene next, and how often it is repeated while a player is awaited.
const char* const REQUEST_FULL_SCENE = "(reqfullstate)";
constexpr auto FULL_SCENE_SPACING = 100ms;

PlaySide::PLAY_SIDE sideOf(std::size_t slot) { return slot < TEAM_SIZE ? PlaySide::LEFT : PlaySide::RIGHT; }

std::string nameOf(std::size_t slot) {
    return "player " + std::to_string(slot % TEAM_SIZE + 1) + " of " + MatchTrial::TEAMS[slot / TEAM_SIZE];
}

/// Polls until the condition holds or the wall-clock time has passed; true when it held.
template <typename Condition> bool waitFor(Condition condition, std::chrono::seconds bound) {
    const auto deadline = Clock::now() + bound;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(POLL);
    }
    return true;
}

/// The trial's folder, kept when it fails, holds the log.
std::string logOf(const ChildProcess& player) {
    return "its log: " + std::filesystem::path(player.getLogFile()).filename().string();
}

std::string gameTime(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

void append(std::string& failure, const std::string& problem) { failure += (failure.empty() ? "" : "; ") + problem; }

} // namespace

MatchTrial::MatchTrial(std::string name, double seconds) : Trial(std::move(name)), seconds(seconds) {}

void MatchTrial::perform(const TrialFolder& folder, int /*body*/, const Damage& /*damage*/,
                         TrialFigures& figures) const {
    MatchWatch watch;
    try {
        play(folder, watch, figures);
    } catch (const std::exception& error) {
        append(figures.failure, error.what());
    }
    watch.fill(figures);
    if (figures.notFiniteCycles.value_or(0.0) > 0.0) {
        append(figures.failure, "the truth was not finite in " +
                                    std::to_string(static_cast<int>(*figures.notFiniteCycles)) + " monitor messages");
    }
}

void MatchTrial::play(const TrialFolder& folder, MatchWatch& watch, TrialFigures& figures) const {
    if (::access(AGENT_PROGRAM, X_OK) != 0) {
        throw std::runtime_error(std::string("no agent program at ") + AGENT_PROGRAM);
    }
    RealServer server(folder.getServerFolder());
    if (!server.waitUntilListening(TrialField::START_UP)) {
        throw std::runtime_error("the real server did not start (its log: " + server.getLogFile() + ")");
    }
    communication::Communication monitorLink(
        std::make_unique<communication::ServerSocketImpl>(LOOPBACK, server.monitorPort));
    if (monitorLink.establishConnection()) {
        throw std::runtime_error("cannot connect to the real server's monitor port");
    }
    MatchWizard wizard(monitorLink);
    wizard.run();
    Players players = join(folder, server, wizard);
    try {
        kickOff(wizard);
        playUntilTheEnd(wizard, server, players, watch, figures);
    } catch (...) {
        stopAll(players);
        throw;
    }
    stopAll(players);
    for (std::size_t slot = 0; slot < players.size(); ++slot) {
        if (!players[slot]->endedCleanly() && !watch.hasLeft(static_cast<int>(slot))) {
            append(figures.failure, nameOf(slot) + " " + players[slot]->howItEnded() + " when asked to end (" +
                                        logOf(*players[slot]) + ")");
        }
    }
}

void MatchTrial::playUntilTheEnd(const MatchWizard& wizard, const RealServer& server, const Players& players,
                                 MatchWatch& watch, TrialFigures& figures) const {
    std::vector<std::optional<double>> cpuAtKickOff;
    for (const auto& player : players) {
        cpuAtKickOff.push_back(player->cpuSeconds());
    }
    MatchMoment moment = wizard.moment();
    auto clockMoved = Clock::now();
    while (moment.time < seconds) {
        std::this_thread::sleep_for(POLL);
        if (!wizard.isRunning()) {
            throw std::runtime_error("the monitor connection ended (the server's log: " + server.getLogFile() + ")");
        }
        const double before = moment.time;
        moment = wizard.moment();
        if (!(moment.time > before)) {
            // In sync mode the server waits for every player: one that stopped answering stops the clock.
            if (Clock::now() - clockMoved > CLOCK_STILL) {
                throw std::runtime_error("the game clock stood still at " + gameTime(moment.time) + " for " +
                                         std::to_string(CLOCK_STILL.count()) + " s (play mode " +
                                         std::to_string(moment.playMode) + ")");
            }
            continue;
        }
        clockMoved = Clock::now();
        watch.observe(moment);
        for (std::size_t slot = 0; slot < players.size(); ++slot) {
            if (!watch.hasLeft(static_cast<int>(slot)) && players[slot]->hasEnded(0ms)) {
                watch.playerLeft(static_cast<int>(slot), moment.time);
                append(figures.failure, nameOf(slot) + " " + players[slot]->howItEnded() + " at " +
                                            gameTime(moment.time) + " (" + logOf(*players[slot]) + ")");
            }
        }
    }
    figures.seconds = moment.time;
    figures.cycles = std::round(moment.time / CYCLE);
    countCpu(cpuAtKickOff, players, *figures.cycles, figures);
    std::cout << "the match ended at " << moment.time << " s, " << moment.leftScore << ":" << moment.rightScore
              << std::endl;
}

void MatchTrial::stopAll(const Players& players) {
    // All asked at once, so that the waits for them overlap.
    for (const auto& player : players) {
        player->askToStop();
    }
    for (const auto& player : players) {
        player->stop();
    }
}

MatchTrial::Players MatchTrial::join(const TrialFolder& folder, const RealServer& server, MatchWizard& wizard) {
    Players players;
    for (std::size_t slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
        const std::string team = TEAMS[slot / TEAM_SIZE];
        const std::string number = std::to_string(slot % TEAM_SIZE + 1);
        players.push_back(std::make_unique<ChildProcess>(
            std::vector<std::string>{AGENT_PROGRAM, "--server-ip", LOOPBACK, "--agent-port",
                                     std::to_string(server.agentPort), "--monitor-port",
                                     std::to_string(server.monitorPort), "--agent-number", number, "--team-name", team},
            folder.getRoot() + "/" + team + "-" + number + ".log", SIGTERM));
        // The server, in sync mode, waits for every player that has joined:
        // one at a time, each with its number on the field before the next.
        ChildProcess& player = *players.back();
        const auto onTheField = [&] {
            return wizard.getNumberOfPlayers(sideOf(slot)) > static_cast<int>(slot % TEAM_SIZE);
        };
        const auto deadline = Clock::now() + JOINING;
        while (!onTheField() && !player.hasEnded(0ms) && wizard.isRunning() && Clock::now() < deadline) {
            // The wizard reads the players' numbers from full scenes, which
            // the server does not always send once a player has registered.
            wizard.setSendMessage(REQUEST_FULL_SCENE);
            std::this_thread::sleep_for(FULL_SCENE_SPACING);
        }
        if (!onTheField()) {
            const std::string failure = nameOf(slot) + " did not join" +
                                        (player.hasEnded(0ms) ? ": it " + player.howItEnded() : "") + " (" +
                                        logOf(player) + ")";
            stopAll(players);
            throw std::runtime_error(failure);
        }
    }
    std::cout << "the players joined" << std::endl;
    return players;
}

void MatchTrial::kickOff(MatchWizard& wizard) {
    // Before the kick-off the players beam to their places; standing there, they are ready.
    const auto standing = [&] {
        const MatchMoment moment = wizard.moment();
        return std::count_if(moment.players.begin(), moment.players.end(),
                             [](const TrueBody& body) { return body.isUpright(); });
    };
    waitFor([&] { return standing() == 2 * TEAM_SIZE; }, SETTLING);
    std::cout << "kick-off with " << standing() << " players upright" << std::endl;
    wizard.kickOff(PlaySide::LEFT);
    if (!waitFor([&] { return wizard.getLastUpdateTime() > 0.0; }, CLOCK_STILL)) {
        throw std::runtime_error("the game clock did not start at the kick-off");
    }
}

void MatchTrial::countCpu(const std::vector<std::optional<double>>& before, const Players& players, double cycles,
                          TrialFigures& figures) {
    std::vector<double> perCycle;
    for (std::size_t slot = 0; slot < players.size(); ++slot) {
        const std::optional<double> after = players[slot]->cpuSeconds();
        if (before[slot] && after && cycles > 0.0) {
            perCycle.push_back(1e3 * (*after - *before[slot]) / cycles);
        }
    }
    if (!perCycle.empty()) {
        figures.cpuMean = std::accumulate(perCycle.begin(), perCycle.end(), 0.0) / perCycle.size();
        figures.cpuMax = *std::max_element(perCycle.begin(), perCycle.end());
    }
}

} // namespace field_trial
} // namespace tools
