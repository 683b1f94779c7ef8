#include "perception/Perception.h"

#include <exception>
#include <memory>
#include <utility>

namespace perception {

Perception::Perception(std::string teamName) : agentPerception(std::move(teamName)) {}

void Perception::perceive(const communication::Communication& communication) {
    const std::string& message = communication.getCurrentMessage();
    std::unique_ptr<utils::parser::ParserTreeNode> root;
    try {
        root = parser.parseMessage(message);
    } catch (const std::exception& error) {
        // Nothing of the message is used: the cycle goes on as after an empty one.
        perceptorFactory.getReporter().reportDroppedMessage("Perception", error, message);
        root = std::make_unique<utils::parser::ParserTreeNode>();
    }
    perceptorFactory.update(*root);
    agentPerception.update(perceptorFactory.getPerceptors());
}

} // namespace perception
