#ifndef PERCEPTION_VISIONPERCEPTOR_H
#define PERCEPTION_VISIONPERCEPTOR_H

#include "perception/MalformedInputReporter.h"
#include "perception/Perceptor.h"
#include "perception/VisibleObject.h"

#include <memory>
#include <vector>

namespace perception {

/// What the camera saw: (See (NAME ...) ...). Balls, flags, goal posts, lines
/// and players become visible objects in the order of their groups; other
/// names are skipped, and so is a malformed object, which is reported.
class VisionPerceptor : public Perceptor {
public:
    /// Name "See", type NONE, no objects.
    VisionPerceptor();
    VisionPerceptor(const utils::parser::ParserTreeNode& group, MalformedInputReporter& reporter);

    /// The perceptor owns its objects until the snapshot moves them out.
    std::vector<std::unique_ptr<VisibleObject>>& getVisibleObjects() { return visibleObjects; }
    const std::vector<std::unique_ptr<VisibleObject>>& getVisibleObjects() const { return visibleObjects; }

private:
    std::vector<std::unique_ptr<VisibleObject>> visibleObjects;
};

} // namespace perception

#endif
