#ifndef PERCEPTION_VISIBLEGOALPOST_H
#define PERCEPTION_VISIBLEGOALPOST_H

#include "perception/VisibleObject.h"
#include "representations/GoalPostType.h"

namespace perception {

/// A goal post: (G1L (pol D H V)), likewise G2L, G1R and G2R.
class VisibleGoalPost : public VisibleObject {
public:
    VisibleGoalPost() = default;
    explicit VisibleGoalPost(const utils::parser::ParserTreeNode& group)
        : VisibleObject(group), goalPostType(representations::GoalPostType::identifyType(group.value)) {}

    const representations::GoalPostType::GOAL_POST_TYPE& getGoalPostType() const { return goalPostType; }

private:
    representations::GoalPostType::GOAL_POST_TYPE goalPostType = representations::GoalPostType::G1L;
};

} // namespace perception

#endif
