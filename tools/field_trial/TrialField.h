#ifndef TOOLS_FIELD_TRIAL_TRIALFIELD_H
#define TOOLS_FIELD_TRIAL_TRIALFIELD_H

#include "communication/Communication.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "representations/RobotType.h"
#include "tools/field_trial/PostureWatch.h"
#include "tools/field_trial/RealServer.h"
#include "tools/field_trial/TrialPlayer.h"
#include "tools/field_trial/TrueBody.h"
#include "utils/wizard/Wizard.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tools {
namespace field_trial {

/// A share of the server's messages damaged on their way to the player.
struct Damage {
    double share = 0.0;
    unsigned seed = 1;
};

/// A fresh real server with one trial player on it and the wizard on its
/// monitor port for the truth and the trainer's commands. The game is set to
/// play on, so that the clock runs and the rules leave the player alone.
class TrialField {
public:
    /// Longest wait for the server to listen, and (in cycles) for its game clock to start.
    static constexpr std::chrono::seconds START_UP{30};
    /// Longest wait for a server message, and for the truth of a cycle.
    static constexpr std::chrono::seconds MESSAGE_WAIT{30};
    static constexpr std::chrono::seconds TRUTH_WAIT{10};
    /// The player's uniform number; its body type is chosen apart from it.
    static constexpr int PLAYER_NUMBER = 2;
    /// Height (m) at which the trainer puts a standing player's torso.
    static constexpr double PLACING_HEIGHT = 0.4;

    /// Throws std::runtime_error, with the server's log named, when the server
    /// or the player cannot start.
    TrialField(const std::string& folder, representations::RobotType::ROBOT_TYPE body, const Damage& damage);
    ~TrialField();
    TrialField(const TrialField&) = delete;
    TrialField& operator=(const TrialField&) = delete;

    /// One cycle of the player; afterwards the truth is that of this cycle or
    /// of one cycle either side of it (the monitor reports every other cycle).
    void step();
    /// Steps until the condition holds or the seconds of game time have passed; true when it held.
    bool stepUntil(const std::function<bool()>& condition, double seconds);
    void stepFor(double seconds);

    TrialPlayer& player() { return *trialPlayer; }
    /// Falls and upright time, counted from the truth at every step.
    PostureWatch& posture() { return postureWatch; }
    /// Game time (s) of the player's last cycle.
    double time() { return trialPlayer->gameTime(); }
    /// The player's torso from one monitor message.
    TrueBody truth() const;
    marlowinds_lib::math::Vector3<double> ball() const { return wizard->getBallTranslation(); }

    /// Puts the player, standing, at the pose (field frame), and steps until
    /// the truth shows it there upright; false when it does not arrive.
    bool place(const marlowinds_lib::math::Pose2D& pose);
    /// The server stops the game clock at the end of a half (this many seconds).
    static constexpr double HALF_SECONDS = 300.0;

    /// Sets the game clock back to 0 when the half would end within the
    /// seconds asked for, so that a trial can outlast it; the posture watch
    /// then starts afresh. Throws std::runtime_error when the clock does not follow.
    void makeTimeFor(double seconds);
    /// Puts the ball at rest at the point on the ground; false when the truth does not show it there.
    bool placeBall(double x, double y);

private:
    /// A new wizard on a new monitor connection, in place of the one before.
    void watchFromMonitorPort();
    /// False when the player is still not in the truth after a second of play.
    bool awaitPlayerInTruth();

    RealServer server;
    std::optional<communication::Communication> monitorLink;
    std::unique_ptr<utils::wizard::Wizard> wizard;
    std::unique_ptr<TrialPlayer> trialPlayer;
    PostureWatch postureWatch;
};

} // namespace field_trial
} // namespace tools

#endif
