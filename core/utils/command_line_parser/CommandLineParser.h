#ifndef CORE_UTILS_COMMAND_LINE_PARSER_COMMANDLINEPARSER_H
#define CORE_UTILS_COMMAND_LINE_PARSER_COMMANDLINEPARSER_H

#include <string>

namespace core {
namespace utils {
namespace command_line_parser {

/// Reads the agent's start-up settings from the command line.
class CommandLineParser {
public:
    virtual ~CommandLineParser() = default;

    virtual void parse(int argc, char** argv) = 0;
    virtual std::string getServerIP() const = 0;
    virtual int getAgentPort() const = 0;
    virtual int getMonitorPort() const = 0;
    virtual std::string getTeamName() const = 0;
    virtual int getAgentNumber() const = 0;
    virtual double getXSpawn() const = 0;
    virtual double getYSpawn() const = 0;
};

} // namespace command_line_parser
} // namespace utils
} // namespace core

#endif
