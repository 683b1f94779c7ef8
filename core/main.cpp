// The player program: reads the command line, builds the agent and plays until
// the server closes the connection. Exit status 0 for the help text and for
// that normal end; 1 for every failure, whose message goes to the standard
// error stream.
#include "agent/SoccerPlayer.h"
#include "core/utils/command_line_parser/AgentCommandLineParser.h"
#include "core/utils/command_line_parser/intentional_exception.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    using core::utils::command_line_parser::AgentCommandLineParser;
    using core::utils::command_line_parser::intentional_exception;

    AgentCommandLineParser parser;
    std::unique_ptr<agent::SoccerPlayer> player;
    try {
        parser.parse(argc, argv);
        const int agentNumber = parser.getAgentNumber();
        const std::string teamName = parser.getTeamName();
        const int agentPort = parser.getAgentPort();
        const std::string serverIP = parser.getServerIP();
        player = std::make_unique<agent::SoccerPlayer>(serverIP, agentPort, teamName, agentNumber);
        player->play();
    } catch (const intentional_exception& help) {
        std::cerr << help.what() << std::endl;
        return EXIT_SUCCESS;
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
        player.reset(); // saves the parameter store
        return EXIT_FAILURE;
    } catch (...) {
        std::cerr << "unknown error" << std::endl;
        player.reset();
        return EXIT_FAILURE;
    }
    player.reset();
    return EXIT_SUCCESS;
}
