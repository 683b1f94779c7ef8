#ifndef REPRESENTATIONS_GOALPOSTTYPE_H
#define REPRESENTATIONS_GOALPOSTTYPE_H

#include <string>

namespace representations {

/// The four goal posts as vision names them.
class GoalPostType {
public:
    enum GOAL_POST_TYPE : int {
        G1L = 0,
        G2L = 1,
        G1R = 2,
        G2R = 3,
        UNKNOWN = 4,
    };

    /// Exact, case-sensitive match of the server name; anything else is UNKNOWN.
    static GOAL_POST_TYPE identifyType(const std::string& name);
};

} // namespace representations

#endif
