#ifndef PERCEPTION_VISIBLEOBJECTTYPE_H
#define PERCEPTION_VISIBLEOBJECTTYPE_H

namespace perception {

/// The kinds of object the vision reports.
class VisibleObjectType {
public:
    enum VISIBLE_OBJECT_TYPE : int {
        UNKNOWN = 0,
        LINE = 1,
        BALL = 2,
        PLAYER = 3,
        GOAL_POST = 4,
        FLAG = 5,
    };
};

} // namespace perception

#endif
