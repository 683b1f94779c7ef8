#include "core/utils/command_line_parser/AgentCommandLineParser.h"

#include "core/utils/command_line_parser/intentional_exception.h"
#include "representations/MarlowindsConstants.h"

#include <boost/program_options.hpp>

#include <iostream>

namespace core {
namespace utils {
namespace command_line_parser {

namespace po = boost::program_options;
using representations::MarlowindsConstants;

namespace {

constexpr int DEFAULT_AGENT_NUMBER = 10;

template <typename T> void copyIfGiven(const po::variables_map& values, const char* option, T& field) {
    if (values.count(option) != 0) {
        field = values[option].as<T>();
    }
}

} // namespace

AgentCommandLineParser::AgentCommandLineParser()
    : serverIP(MarlowindsConstants::DEFAULT_IP), agentPort(MarlowindsConstants::DEFAULT_AGENT_PORT),
      monitorPort(MarlowindsConstants::DEFAULT_MONITOR_PORT), teamName(MarlowindsConstants::TEAM_DEFAULT_NAME),
      agentNumber(DEFAULT_AGENT_NUMBER), xSpawn(0.0), ySpawn(0.0) {}

void AgentCommandLineParser::parse(int argc, char** argv) {
    po::options_description description("Allowed options");
    description.add_options()("help", "produce help message")("server-ip", po::value<std::string>(), "set server ip")(
        "agent-port", po::value<int>(), "set agent port")("monitor-port", po::value<int>(), "set monitor port")(
        "agent-number", po::value<int>(), "set Agent Number")("team-name", po::value<std::string>(), "set team name")(
        "x-spawn", po::value<double>(), "set X spawn coordinate")("y-spawn", po::value<double>(),
                                                                  "set Y spawn coordinate");

    po::variables_map values;
    // No positional arguments are declared, so a stray argument is rejected
    // instead of silently dropped.
    const po::positional_options_description noPositionalArguments;
    po::store(po::command_line_parser(argc, argv).options(description).positional(noPositionalArguments).run(), values);
    po::notify(values);

    if (values.count("help") != 0) {
        std::cout << description << std::endl;
        throw intentional_exception();
    }
    copyIfGiven(values, "server-ip", serverIP);
    copyIfGiven(values, "agent-port", agentPort);
    copyIfGiven(values, "monitor-port", monitorPort);
    copyIfGiven(values, "team-name", teamName);
    copyIfGiven(values, "agent-number", agentNumber);
    copyIfGiven(values, "x-spawn", xSpawn);
    copyIfGiven(values, "y-spawn", ySpawn);
}

} // namespace command_line_parser
} // namespace utils
} // namespace core
