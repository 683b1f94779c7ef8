#ifndef PERCEPTION_PERCEPTION_H
#define PERCEPTION_PERCEPTION_H

#include "communication/Communication.h"
#include "perception/AgentPerception.h"
#include "perception/PerceptorFactory.h"
#include "representations/MarlowindsConstants.h"
#include "utils/parser/Parser.h"

#include <string>

namespace perception {

/// Turns the newest server message into the cycle's AgentPerception.
class Perception {
public:
    /// teamName: the team the agent plays for; only its heard messages are kept.
    explicit Perception(std::string teamName = representations::MarlowindsConstants::TEAM_DEFAULT_NAME);
    virtual ~Perception() = default;

    /// Parses the communication's current message and rebuilds the snapshot.
    /// Bad input never leaves it: a malformed group, and the last group of a
    /// message cut short, is skipped and the rest of the message used; a
    /// message the parser refuses (groups nested deeper than it allows) is
    /// dropped whole. Each fault is reported on the standard error stream. Such
    /// a message, one without any group the agent knows, and one with fewer
    /// joint angles than the last whole message are perceived as damaged
    /// (AgentPerception::Message): the body's readings they did not give keep
    /// their last values, while the vision and hearing groups that came whole
    /// are used.
    void perceive(const communication::Communication& communication);
    AgentPerception& getAgentPerception() { return agentPerception; }
    const AgentPerception& getAgentPerception() const { return agentPerception; }

private:
    utils::parser::Parser parser;
    AgentPerception agentPerception;
    PerceptorFactory perceptorFactory;
    /// How many joints the last whole message gave an angle of.
    std::size_t jointsOfWholeMessage = 0;
};

} // namespace perception

#endif
