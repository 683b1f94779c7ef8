#include "utils/wizard/AgentWizardData.h"

namespace utils {
namespace wizard {

namespace {

using marlowinds_lib::math::Vector3;

const std::string TRANSFORM = "SLT";
const std::string NODE = "nd";
constexpr int LAST_BODY_NODE = 3;

bool isTransform(const parser::ParserTreeNode& group) { return firstWord(group.value) == TRANSFORM; }

} // namespace

AgentWizardData::AgentWizardData()
    : torso(Transform::Zero()), node(Transform::Zero()), bodyParts{BodyPart{Transform::Zero(), Transform::Zero()},
                                                                   BodyPart{Transform::Zero(), Transform::Zero()}} {}

void AgentWizardData::update(const parser::ParserTreeNode& playerNode) {
    const auto& children = playerNode.children;
    if (children.empty()) {
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (isTransform(children.front())) {
        node = readTransformationMatrix(children.front().value);
    }
    int index = 1;
    for (const parser::ParserTreeNode& child : children) {
        if (firstWord(child.value) == NODE) {
            updateJoints(child, index);
            ++index;
        }
    }
    torso = node * bodyParts[0].outer * bodyParts[0].inner;
}

void AgentWizardData::updateJoints(const parser::ParserTreeNode& bodyNode, int index) {
    if (index > LAST_BODY_NODE) {
        return;
    }
    BodyPart& part = bodyParts[index / 2];
    const auto& children = bodyNode.children;
    if (!children.empty() && isTransform(children[0])) {
        part.outer = readTransformationMatrix(children[0].value);
    }
    if (children.size() >= 2 && !children[1].children.empty() && isTransform(children[1].children[0])) {
        part.inner = readTransformationMatrix(children[1].children[0].value);
    }
}

Transform AgentWizardData::getAgentTransform() const {
    std::lock_guard<std::mutex> lock(mutex);
    return torso;
}

Vector3<double> AgentWizardData::getAgentTranslation() const {
    std::lock_guard<std::mutex> lock(mutex);
    return columnOf(torso, 3);
}

Vector3<double> AgentWizardData::getAgentDirection() const {
    std::lock_guard<std::mutex> lock(mutex);
    return columnOf(torso, 2);
}

Transform AgentWizardData::getAgentHeadTransform() const {
    std::lock_guard<std::mutex> lock(mutex);
    return headTransform();
}

Vector3<double> AgentWizardData::getAgentHeadDirection() const {
    std::lock_guard<std::mutex> lock(mutex);
    return columnOf(headTransform(), 2);
}

bool AgentWizardData::hasAgentTransform() const {
    std::lock_guard<std::mutex> lock(mutex);
    // A product of transforms read from a scene keeps the homogeneous 1; any
    // factor still all zero makes it 0.
    return torso(3, 3) != 0.0;
}

Transform AgentWizardData::headTransform() const { return bodyParts[1].outer * bodyParts[1].inner; }

} // namespace wizard
} // namespace utils
