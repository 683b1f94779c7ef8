#ifndef MARLOWINDS_LIB_UTILS_LEVEL_H
#define MARLOWINDS_LIB_UTILS_LEVEL_H

namespace marlowinds_lib {
namespace utils {

/// The tags of log lines.
enum class Level : int {
    ACTION = 0,
    AGENT = 1,
    COMMUNICATION = 2,
    DECISION_MAKING = 3,
    MODELING = 4,
    PERCEPTION = 5,
    REPRESENTATIONS = 6,
    UTILS = 7
};

} // namespace utils
} // namespace marlowinds_lib

#endif
