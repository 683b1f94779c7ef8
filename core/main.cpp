// The player program: reads the command line, builds the agent and plays until
// the server closes the connection or SIGTERM or SIGINT asks it to stop. Exit
// status 0 for the help text and for those ends, after the parameter store is
// saved; 1 for every failure, whose message goes to the standard error stream.
#include "agent/SoccerPlayer.h"
#include "agent/StopSignal.h"
#include "core/utils/command_line_parser/AgentCommandLineParser.h"
#include "core/utils/command_line_parser/intentional_exception.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    using core::utils::command_line_parser::AgentCommandLineParser;
    using core::utils::command_line_parser::intentional_exception;

    agent::StopSignal::install();
    AgentCommandLineParser parser;
    // Outside the try, so that a failure is reported before the player's
    // destructor saves the parameter store.
    std::unique_ptr<agent::SoccerPlayer> player;
    try {
        parser.parse(argc, argv);
        player =
            std::make_unique<agent::SoccerPlayer>(parser.getServerIP(), parser.getAgentPort(), parser.getTeamName(),
                                                  parser.getAgentNumber(), parser.getMonitorPort());
        player->play();
    } catch (const intentional_exception& help) {
        std::cerr << help.what() << std::endl;
        return EXIT_SUCCESS;
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
        return EXIT_FAILURE;
    } catch (...) {
        std::cerr << "unknown error" << std::endl;
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
