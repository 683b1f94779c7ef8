#include "representations/GoalPostType.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

TEST(GoalPostTypeTest, IdentifiesServerNamesExactly) {
    const struct {
        const char* name;
        int type;
    } cases[] = {
        {"G1L", 0}, {"G2L", 1}, {"G1R", 2}, {"G2R", 3}, {"g1l", 4}, {" G2R", 4}, {"G2R\n", 4}, {"", 4}, {"F1L", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GoalPostType::identifyType(c.name), c.type) << '"' << c.name << '"';
    }
}

} // namespace
} // namespace representations
