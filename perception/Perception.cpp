#include "perception/Perception.h"

#include "perception/MalformedGroupError.h"

#include <exception>
#include <memory>
#include <utility>

namespace perception {

Perception::Perception(std::string teamName) : agentPerception(std::move(teamName)) {}

void Perception::perceive(const communication::Communication& communication) {
    const std::string& message = communication.getCurrentMessage();
    MalformedInputReporter& reporter = perceptorFactory.getReporter();
    bool damaged = false;
    std::unique_ptr<utils::parser::ParserTreeNode> root;
    try {
        root = parser.parseMessage(message);
        if (parser.endedInsideGroup()) {
            // Its numbers may be cut too: "(ax -12.5" read as "(ax -1".
            reporter.reportSkippedGroup("Perception", MalformedGroupError("cut short by the end of the message"),
                                        root->children.back());
            root->children.pop_back();
            damaged = true;
        }
    } catch (const std::exception& error) {
        reporter.reportDroppedMessage("Perception", error, message);
        root = std::make_unique<utils::parser::ParserTreeNode>();
        damaged = true;
    }
    perceptorFactory.update(*root);
    // A message with nothing the agent knows gave nothing, as a dropped one.
    damaged = damaged || perceptorFactory.skippedAGroup() || perceptorFactory.getPerceptors().empty();
    agentPerception.update(perceptorFactory.getPerceptors(),
                           damaged ? AgentPerception::Message::DAMAGED : AgentPerception::Message::WHOLE);
}

} // namespace perception
