#include "perception/VisionPerceptor.h"

#include "perception/MalformedGroupError.h"
#include "perception/VisibleBall.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "perception/VisiblePlayer.h"

namespace perception {

namespace {

/// Exact match of the group's text, untrimmed; null for any other name.
std::unique_ptr<VisibleObject> makeVisibleObject(const utils::parser::ParserTreeNode& group) {
    switch (VisibleObject::identifyType(group.value)) {
    case VisibleObjectType::BALL:
        return std::make_unique<VisibleBall>(group);
    case VisibleObjectType::FLAG:
        return std::make_unique<VisibleFlag>(group);
    case VisibleObjectType::GOAL_POST:
        return std::make_unique<VisibleGoalPost>(group);
    case VisibleObjectType::LINE:
        return std::make_unique<VisibleLine>(group);
    case VisibleObjectType::PLAYER:
        return std::make_unique<VisiblePlayer>(group);
    case VisibleObjectType::UNKNOWN:
        break;
    }
    return nullptr;
}

} // namespace

VisionPerceptor::VisionPerceptor() { setName("See"); }

VisionPerceptor::VisionPerceptor(const utils::parser::ParserTreeNode& group, MalformedInputReporter& reporter)
    : Perceptor(group) {
    visibleObjects.reserve(group.children.size());
    for (const utils::parser::ParserTreeNode& child : group.children) {
        try {
            if (auto object = makeVisibleObject(child)) {
                visibleObjects.push_back(std::move(object));
            }
        } catch (const MalformedGroupError& error) {
            reporter.reportSkippedGroup("VisionPerceptor", error, child);
        }
    }
}

} // namespace perception
