#include "perception/Perception.h"

#include "perception/MalformedGroupError.h"
#include "representations/NaoJoints.h"

#include <bitset>
#include <exception>
#include <memory>
#include <utility>

namespace perception {

namespace {

/// How many of the 22 joints the message gave an angle of.
std::size_t countJointsGiven(const std::vector<std::unique_ptr<Perceptor>>& perceptors) {
    std::bitset<representations::NaoJoints::NUMBER_OF_JOINTS> given;
    for (const std::unique_ptr<Perceptor>& perceptor : perceptors) {
        if (perceptor->getPerceptorType() == PerceptorType::HJ) {
            const int joint = representations::NaoJoints::getPerceptorJointNumber(perceptor->getName());
            if (joint >= 0 && joint < representations::NaoJoints::NUMBER_OF_JOINTS) {
                given.set(static_cast<std::size_t>(joint));
            }
        }
    }
    return given.count();
}

} // namespace

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
    const auto& perceptors = perceptorFactory.getPerceptors();
    // The server gives every joint in every message: fewer joints than before
    // mean groups lost, as in a message cut right after a group. A message with
    // nothing the agent knows gave nothing, as a dropped one.
    const std::size_t jointsGiven = countJointsGiven(perceptors);
    damaged = damaged || perceptorFactory.skippedAGroup() || perceptors.empty() || jointsGiven < jointsOfWholeMessage;
    if (!damaged) {
        jointsOfWholeMessage = jointsGiven;
    }
    agentPerception.update(perceptorFactory.getPerceptors(),
                           damaged ? AgentPerception::Message::DAMAGED : AgentPerception::Message::WHOLE);
}

} // namespace perception
