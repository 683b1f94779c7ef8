#ifndef TOOLS_LOCALIZATION_HARNESS_SEENOBJECTS_H
#define TOOLS_LOCALIZATION_HARNESS_SEENOBJECTS_H

#include "perception/MalformedInputReporter.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"
#include "perception/VisibleLine.h"
#include "perception/VisionPerceptor.h"
#include "utils/parser/Parser.h"

#include <memory>
#include <string>
#include <vector>

namespace tools {
namespace localization_harness {

/// One cycle's flags, goal posts and lines in the robot's frame, read from a
/// "(See ...)" group by the agent's own parser and vision perceptor and moved
/// out of the camera frame, as the world model hands them to the localizer.
class SeenObjects {
public:
    /// Replaces the objects by those of vision; empty text leaves none.
    void perceive(const std::string& vision);

    const std::vector<perception::VisibleFlag*>& getFlags() const { return flags; }
    const std::vector<perception::VisibleGoalPost*>& getGoalPosts() const { return goalPosts; }
    const std::vector<perception::VisibleLine*>& getLines() const { return lines; }

private:
    utils::parser::Parser parser;
    perception::MalformedInputReporter reporter;
    std::unique_ptr<perception::VisionPerceptor> perceptor;
    std::vector<perception::VisibleFlag*> flags;
    std::vector<perception::VisibleGoalPost*> goalPosts;
    std::vector<perception::VisibleLine*> lines;
};

} // namespace localization_harness
} // namespace tools

#endif
