#include "tools/field_trial/TrialField.h"

#include "communication/ServerSocketImpl.h"
#include "representations/MarlowindsConstants.h"
#include "tools/field_trial/TrialConnection.h"

#include <cmath>
#include <stdexcept>
#include <thread>

namespace tools {
namespace field_trial {

namespace {

using representations::PlaySide;
const char* const LOOPBACK = "127.0.0.1";
constexpr double CYCLE = representations::MarlowindsConstants::SAMPLE_TIME;
/// Where a placed player or ball counts as arrived (m).
constexpr double ARRIVED = 0.05;
/// Game time (s) a trainer's command may take to show.
constexpr double COMMAND_SECONDS = 1.0;
/// Ample time for the wizard to read one monitor message.
constexpr auto MONITOR_TURN = std::chrono::milliseconds(100);
/// Monitor connections tried before a trial gives up on the truth.
constexpr int MONITOR_ATTEMPTS = 3;

} // namespace

TrialField::TrialField(const std::string& folder, representations::RobotType::ROBOT_TYPE body, const Damage& damage)
    : server(folder) {
    if (!server.waitUntilListening(START_UP)) {
        throw std::runtime_error("the real server did not start (its log: " + server.getLogFile() + ")");
    }
    // The player joins first: a monitor that watched it join may have kept
    // only a partial scene after the full one that named the player, and the
    // wizard reads players from full scenes.
    auto connection =
        std::make_unique<TrialConnection>(std::make_unique<communication::ServerSocketImpl>(LOOPBACK, server.agentPort),
                                          MESSAGE_WAIT, damage.share, damage.seed);
    trialPlayer = std::make_unique<TrialPlayer>(std::move(connection), agent::BodyChoice(PLAYER_NUMBER, body));

    // The wizard reads the newest monitor message only, so under load the full
    // scene that names the player can be passed over; a new monitor connection
    // starts with a full scene of its own.
    bool seen = false;
    for (int attempt = 0; attempt < MONITOR_ATTEMPTS && !seen; ++attempt) {
        watchFromMonitorPort();
        seen = awaitPlayerInTruth();
    }
    if (!seen) {
        throw std::runtime_error("the monitor port never showed the player (the server's log: " + server.getLogFile() +
                                 ")");
    }
    wizard->setPlayMode(representations::RawPlayMode::PLAY_ON);
    if (!stepUntil([this] { return time() > 0.0; }, START_UP.count())) {
        throw std::runtime_error("the game clock did not start (the server's log: " + server.getLogFile() + ")");
    }
}

void TrialField::watchFromMonitorPort() {
    if (wizard) {
        wizard->stop();
        wizard.reset();
    }
    monitorLink.emplace(std::make_unique<communication::ServerSocketImpl>(LOOPBACK, server.monitorPort));
    if (monitorLink->establishConnection()) {
        throw std::runtime_error("cannot connect to the real server's monitor port");
    }
    wizard = std::make_unique<utils::wizard::Wizard>(*monitorLink);
    wizard->run();
}

bool TrialField::awaitPlayerInTruth() {
    // In sync mode the server waits for the player: stepping it slowly, the
    // wizard reads every monitor message before the next one comes.
    for (long cycle = std::lround(COMMAND_SECONDS / CYCLE); cycle > 0; --cycle) {
        const auto deadline = std::chrono::steady_clock::now() + MONITOR_TURN;
        while (!truth().known && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (truth().known) {
            return true;
        }
        trialPlayer->cycle();
    }
    return false;
}

TrialField::~TrialField() {
    // The player goes first, so that the server no longer waits for it; the
    // wizard's turn waits at most its receive bound.
    trialPlayer.reset();
    if (wizard) {
        wizard->stop();
    }
}

void TrialField::step() {
    trialPlayer->cycle();
    const double now = time();
    const auto deadline = std::chrono::steady_clock::now() + TRUTH_WAIT;
    while (wizard->getLastUpdateTime() < now - 1.5 * CYCLE) {
        if (!wizard->isRunning() || std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("the truth stopped coming from the monitor port");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    postureWatch.observe(truth());
}

bool TrialField::stepUntil(const std::function<bool()>& condition, double seconds) {
    // Counted in cycles: the game clock may not run yet.
    for (long cycle = std::lround(seconds / CYCLE); cycle > 0; --cycle) {
        if (condition()) {
            return true;
        }
        step();
    }
    return condition();
}

void TrialField::stepFor(double seconds) {
    stepUntil([] { return false; }, seconds);
}

TrueBody TrialField::truth() const {
    // The wizard's thread may read the next message between two getters.
    for (;;) {
        const double time = wizard->getLastUpdateTime();
        TrueBody body = TrueBody::fromTorso(wizard->getAgentTransform(PLAYER_NUMBER, PlaySide::LEFT));
        if (wizard->getLastUpdateTime() == time) {
            body.time = time;
            return body;
        }
    }
}

bool TrialField::place(const marlowinds_lib::math::Pose2D& pose) {
    wizard->setAgentPositionAndDirection(PLAYER_NUMBER, PlaySide::LEFT,
                                         {pose.translation.x, pose.translation.y, PLACING_HEIGHT}, pose.rotation);
    return stepUntil(
        [&] {
            const TrueBody body = truth();
            return body.isUpright() &&
                   std::hypot(body.position.x - pose.translation.x, body.position.y - pose.translation.y) < ARRIVED;
        },
        COMMAND_SECONDS);
}

void TrialField::makeTimeFor(double seconds) {
    if (time() + seconds < HALF_SECONDS) {
        return;
    }
    wizard->setGameTime(0.0);
    // The monitor may show the new clock before the player does, which step()
    // would take for a truth that stopped: the player cycles alone until both
    // show it. The clock is far from 0 before, so neither can show it early.
    for (long cycle = std::lround(COMMAND_SECONDS / CYCLE); cycle > 0; --cycle) {
        trialPlayer->cycle();
        if (time() < COMMAND_SECONDS && wizard->getLastUpdateTime() < COMMAND_SECONDS) {
            postureWatch.reset();
            step();
            return;
        }
    }
    throw std::runtime_error("the game clock did not restart");
}

bool TrialField::placeBall(double x, double y) {
    constexpr double BALL_RADIUS = 0.042;
    // A ball put where a stepping foot stands is thrown off at once: the
    // trainer tries again until the spot is free.
    constexpr double RETRY_SECONDS = 0.1;
    for (long attempt = std::lround(COMMAND_SECONDS / RETRY_SECONDS); attempt > 0; --attempt) {
        wizard->setBallPositionAndVelocity({x, y, BALL_RADIUS}, {0.0, 0.0, 0.0});
        if (stepUntil(
                [&] {
                    const auto at = ball();
                    return std::hypot(at.x - x, at.y - y) < ARRIVED;
                },
                RETRY_SECONDS)) {
            return true;
        }
    }
    return false;
}

} // namespace field_trial
} // namespace tools
