#include "agent/SoccerPlayer.h"

#include "agent/StartUpConfiguration.h"
#include "agent/StopSignal.h"
#include "communication/ServerSocketImpl.h"
#include "control/ControlImpl.h"
#include "core/utils/parameter_store/ParameterStore.h"
#include "decision_making/DecisionMakingImpl.h"
#include "representations/MarlowindsConstants.h"
#include "utils/loggers/LocalizationErrorLoggerImplementation.h"

#include <iostream>
#include <stdexcept>

namespace agent {

namespace {

using representations::MarlowindsConstants;
using ParameterStore = core::utils::parameter_store::ParameterStore;

const char* const PARAMETERS_NODE = "params";

/// The build option of the same name: the localisation-error logger, a
/// debugging aid that connects to the server's monitor port.
constexpr bool ERROR_LOGGING = MARLOWINDS_ERROR_LOGGING;

/// The team name travels unquoted inside the init command, so it must be one
/// plain word for the server to read it back.
void checkTeamName(const std::string& teamName) {
    if (teamName.empty() || teamName.find_first_of(" \t\r\n()") != std::string::npos) {
        throw std::invalid_argument("team name \"" + teamName + "\" must be one word without blanks or parentheses");
    }
}

/// The agent's own decision making, which reads the formation files: after the
/// cheaper check of the team name, so that a bad name is what the user hears of.
std::unique_ptr<decision_making::DecisionMaking> decisionMakingFor(const std::string& teamName) {
    checkTeamName(teamName);
    return std::make_unique<decision_making::DecisionMakingImpl>();
}

} // namespace

SoccerPlayer::SoccerPlayer(const std::string& serverIP, int agentPort, const std::string& teamName, int agentNumber,
                           int monitorPort)
    : SoccerPlayer(std::make_unique<communication::ServerSocketImpl>(serverIP, agentPort), teamName,
                   BodyChoice::fromUniformNumber(agentNumber), decisionMakingFor(teamName), monitorPort) {}

SoccerPlayer::SoccerPlayer(std::unique_ptr<communication::ServerSocket> socket, const std::string& teamName,
                           const BodyChoice& body, std::unique_ptr<decision_making::DecisionMaking> decisionMaking,
                           int monitorPort)
    : perception(teamName), decisionMaking(std::move(decisionMaking)) {
    checkTeamName(teamName);

    ParameterStore& store = ParameterStore::global();
    store.setOriginFolder(MarlowindsConstants::DYNAMIC_PARAMS_FOLDER);
    store.root().newChild(PARAMETERS_NODE);
    store.root().child(PARAMETERS_NODE).load(PARAMETERS_NODE);

    utils::roboviz::Roboviz::agentNumber = body.getAgentNumber();

    communication = std::make_unique<communication::Communication>(std::move(socket));

    auto controlImpl = std::make_unique<control::ControlImpl>(body.getRobotType());
    StartUpConfiguration::load(*controlImpl);
    control = std::move(controlImpl);

    if (ERROR_LOGGING) {
        // Before the world model takes the facade's instance.
        utils::loggers::LocalizationErrorLoggerImplementation::install(body.getAgentNumber(), monitorPort);
    }
    modeling = std::make_unique<modeling::Modeling>(body.getAgentNumber(), teamName, body.getRobotType());

    if (communication->establishConnection()) {
        // Not fatal by itself: the scene request below fails and ends the start-up.
        std::cerr << "(SoccerPlayer) cannot connect to the server" << std::endl;
    }

    action.create(body.getRobotType());
    communication->sendMessage(action.getServerMessage());

    communication->receiveMessage();
    perception.perceive(*communication);

    action.init(body.getAgentNumber(), teamName);
    communication->sendMessage(action.getServerMessage());

    roboviz = utils::roboviz::Roboviz::getInstance();
}

SoccerPlayer::SoccerPlayer(int argc, char** argv) : SoccerPlayer(settingsFromArguments(argc, argv)) {}

SoccerPlayer::SoccerPlayer(const Settings& settings)
    : SoccerPlayer(settings.serverIP, settings.agentPort, settings.teamName, settings.agentNumber,
                   settings.monitorPort) {}

SoccerPlayer::~SoccerPlayer() { ParameterStore::global().root().save(""); }

SoccerPlayer::Settings SoccerPlayer::settingsFromArguments(int argc, char** argv) {
    std::cout << argc << std::endl;
    Settings settings{MarlowindsConstants::DEFAULT_IP, MarlowindsConstants::DEFAULT_AGENT_PORT,
                      MarlowindsConstants::TEAM_DEFAULT_NAME, 1};
    if (argc > 1) {
        settings.serverIP = argv[1];
        if (settings.serverIP == "localhost") {
            settings.serverIP = MarlowindsConstants::DEFAULT_IP;
        }
    }
    if (argc > 2) {
        settings.agentPort = std::stoi(argv[2]);
    }
    if (argc > 3) {
        settings.teamName = argv[3];
    }
    if (argc > 4) {
        settings.agentNumber = std::stoi(argv[4]);
    }
    return settings;
}

void SoccerPlayer::play() {
    while (!communication->connectionClosed() && !StopSignal::requested()) {
        playCycle();
    }
}

void SoccerPlayer::playCycle() {
    communication->receiveMessage();
    perception.perceive(*communication);
    modeling->model(perception, *control);
    decisionMaking->decide(*modeling);
    control->control(perception, *modeling, *decisionMaking);
    action.act(*decisionMaking, *control);
    roboviz->setTeamSide(modeling->getWorldModel().getOurPlaySide());
    communication->sendMessage(action.getServerMessage());
}

} // namespace agent
