#ifndef PERCEPTION_PERCEPTORTYPE_H
#define PERCEPTION_PERCEPTORTYPE_H

#include <string_view>

namespace perception {

/// The kinds of perceptor, one per keyword of a server message.
class PerceptorType {
public:
    enum PERCEPTOR_TYPE : int {
        ACC = 0,
        AGENT_STATE = 1,
        FRP = 2,
        GS = 3,
        TIME = 4,
        GYR = 5,
        HEAR = 6,
        SEE = 7,
        HJ = 8,
        TCH = 9,
        UJ = 10,
        NONE = 11,
    };

    /// Exact, case-sensitive match of the keyword; anything else is NONE.
    static PERCEPTOR_TYPE identifyType(std::string_view keyword);
};

} // namespace perception

#endif
