#include "tools/localization_harness/SeenObjects.h"

#include "tools/localization_harness/SimulatedVision.h"

namespace tools {
namespace localization_harness {

void SeenObjects::perceive(const std::string& vision) {
    flags.clear();
    goalPosts.clear();
    lines.clear();
    perceptor.reset();
    if (vision.empty()) {
        return;
    }
    const std::unique_ptr<utils::parser::ParserTreeNode> root = parser.parseMessage(vision);
    if (root->children.empty()) {
        return;
    }
    perceptor = std::make_unique<perception::VisionPerceptor>(root->children.front(), reporter);
    const marlowinds_lib::math::Pose3D cameraToRoot = SimulatedVision::cameraToRoot();
    for (const std::unique_ptr<perception::VisibleObject>& object : perceptor->getVisibleObjects()) {
        object->transformPosition(cameraToRoot);
        if (auto* flag = dynamic_cast<perception::VisibleFlag*>(object.get())) {
            flags.push_back(flag);
        } else if (auto* goalPost = dynamic_cast<perception::VisibleGoalPost*>(object.get())) {
            goalPosts.push_back(goalPost);
        } else if (auto* line = dynamic_cast<perception::VisibleLine*>(object.get())) {
            lines.push_back(line);
        }
    }
}

} // namespace localization_harness
} // namespace tools
