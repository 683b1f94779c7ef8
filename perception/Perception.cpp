#include "perception/Perception.h"

#include <utility>

namespace perception {

Perception::Perception(std::string teamName) : agentPerception(std::move(teamName)) {}

void Perception::perceive(const communication::Communication& communication) {
    const auto root = parser.parseMessage(communication.getCurrentMessage());
    perceptorFactory.update(*root);
    agentPerception.update(perceptorFactory.getPerceptors());
}

} // namespace perception
