#ifndef PERCEPTION_VISIBLEBALL_H
#define PERCEPTION_VISIBLEBALL_H

#include "perception/VisibleObject.h"

namespace perception {

/// The ball: (B (pol D H V)).
class VisibleBall : public VisibleObject {
public:
    VisibleBall() = default;
    explicit VisibleBall(const utils::parser::ParserTreeNode& group) : VisibleObject(group) {}
};

} // namespace perception

#endif
