#ifndef AGENT_SOCCERPLAYER_H
#define AGENT_SOCCERPLAYER_H

#include "action/ActionImpl.h"
#include "agent/BodyChoice.h"
#include "communication/Communication.h"
#include "communication/ServerSocket.h"
#include "control/Control.h"
#include "decision_making/DecisionMaking.h"
#include "modeling/Modeling.h"
#include "perception/Perception.h"
#include "representations/MarlowindsConstants.h"
#include "utils/roboviz/Roboviz.h"

#include <memory>
#include <string>

namespace agent {

/// The one agent of the process: builds every component, obtains a body from
/// the server, registers, and then answers one server message per cycle.
class SoccerPlayer {
public:
    /// Where to connect and who to play as, read from positional arguments.
    struct Settings {
        std::string serverIP;
        int agentPort;
        std::string teamName;
        int agentNumber;
        int monitorPort = representations::MarlowindsConstants::DEFAULT_MONITOR_PORT;
    };

    /// The whole start-up: loads the parameter store and the configuration,
    /// connects, asks for the body that the uniform number chooses, perceives
    /// the first message and registers. A uniform number outside the team, a
    /// team name the server could not read back, or a configuration that
    /// cannot be read raises an exception before anything is sent. The monitor
    /// port is used only by the error logger that the build can switch in.
    SoccerPlayer(const std::string& serverIP, int agentPort, const std::string& teamName, int agentNumber,
                 int monitorPort = representations::MarlowindsConstants::DEFAULT_MONITOR_PORT);
    /// The same start-up for a player put together from outside, as the field
    /// trials build theirs: the connection (not yet connected), the uniform
    /// number and body type, and the decision making are given.
    SoccerPlayer(std::unique_ptr<communication::ServerSocket> socket, const std::string& teamName,
                 const BodyChoice& body, std::unique_ptr<decision_making::DecisionMaking> decisionMaking,
                 int monitorPort = representations::MarlowindsConstants::DEFAULT_MONITOR_PORT);
    /// From positional arguments: server address, port, team name, uniform
    /// number; the monitor port keeps its default.
    SoccerPlayer(int argc, char** argv);
    SoccerPlayer(const SoccerPlayer&) = delete;
    SoccerPlayer& operator=(const SoccerPlayer&) = delete;
    /// Saves the parameter store.
    virtual ~SoccerPlayer();

    /// One cycle per server message until the server closes the connection or
    /// a stop signal arrives (StopSignal); the cycle in progress is finished.
    void play();
    /// One cycle: the newest server message is perceived and modelled, decided
    /// on, turned into joint commands and answered.
    void playCycle();

    // What a field trial measures of the player between cycles.
    modeling::Modeling& getModeling() { return *modeling; }
    control::Control& getControl() { return *control; }

    /// Writes argc to the standard output; arguments not given take the
    /// defaults, and uniform number 1. "localhost" becomes the loopback address.
    static Settings settingsFromArguments(int argc, char** argv);

private:
    explicit SoccerPlayer(const Settings& settings);

    std::unique_ptr<communication::Communication> communication;
    perception::Perception perception;
    std::unique_ptr<modeling::Modeling> modeling;
    std::unique_ptr<decision_making::DecisionMaking> decisionMaking;
    std::unique_ptr<control::Control> control;
    action::ActionImpl action;
    /// The process-wide drawing facade; not owned.
    utils::roboviz::Roboviz* roboviz = nullptr;
};

} // namespace agent

#endif
