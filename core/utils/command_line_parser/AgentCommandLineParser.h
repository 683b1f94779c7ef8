#ifndef CORE_UTILS_COMMAND_LINE_PARSER_AGENTCOMMANDLINEPARSER_H
#define CORE_UTILS_COMMAND_LINE_PARSER_AGENTCOMMANDLINEPARSER_H

#include "core/utils/command_line_parser/CommandLineParser.h"

#include <string>

namespace core {
namespace utils {
namespace command_line_parser {

/// The options "help", "server-ip", "agent-port", "monitor-port",
/// "agent-number", "team-name", "x-spawn" and "y-spawn" (long forms only).
/// Options not given keep their defaults; the spawn point is kept but used by
/// nothing, the monitor port only by the error logger.
class AgentCommandLineParser : public CommandLineParser {
public:
    AgentCommandLineParser();

    /// With "help", prints the option list to the standard output and throws
    /// intentional_exception. A command line the option library rejects
    /// (unknown or repeated option, stray argument, value of the wrong type)
    /// raises the library's exception; no field changes then.
    void parse(int argc, char** argv) override;

    std::string getServerIP() const override { return serverIP; }
    int getAgentPort() const override { return agentPort; }
    int getMonitorPort() const override { return monitorPort; }
    std::string getTeamName() const override { return teamName; }
    int getAgentNumber() const override { return agentNumber; }
    double getXSpawn() const override { return xSpawn; }
    double getYSpawn() const override { return ySpawn; }

private:
    std::string serverIP;
    int agentPort;
    int monitorPort;
    std::string teamName;
    int agentNumber;
    double xSpawn;
    double ySpawn;
};

} // namespace command_line_parser
} // namespace utils
} // namespace core

#endif
