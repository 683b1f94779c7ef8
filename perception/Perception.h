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
    /// A malformed group is skipped; a malformed number throws
    /// boost::bad_lexical_cast, and groups nested deeper than the parser allows
    /// throw std::runtime_error; either leaves the snapshot as it was.
    void perceive(const communication::Communication& communication);
    AgentPerception& getAgentPerception() { return agentPerception; }
    const AgentPerception& getAgentPerception() const { return agentPerception; }

private:
    utils::parser::Parser parser;
    AgentPerception agentPerception;
    PerceptorFactory perceptorFactory;
};

} // namespace perception

#endif
