#include "representations/GoalPostType.h"

#include "representations/NameIndex.h"

namespace representations {

namespace {
const char* const GOAL_POST_NAMES[GoalPostType::UNKNOWN] = {"G1L", "G2L", "G1R", "G2R"};
} // namespace

GoalPostType::GOAL_POST_TYPE GoalPostType::identifyType(const std::string& name) {
    return static_cast<GOAL_POST_TYPE>(indexOfName(name, GOAL_POST_NAMES));
}

} // namespace representations
