#include "representations/PlaySide.h"

#include <gtest/gtest.h>

namespace representations {
namespace {

TEST(PlaySideTest, ToStringNamesTheSide) {
    const struct {
        int side;
        const char* text;
    } cases[] = {{0, "Left"}, {1, "Right"}, {2, "Unknown"}, {7, "Unknown"}, {-1, "Unknown"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlaySide::toString(static_cast<PlaySide::PLAY_SIDE>(c.side)), c.text) << c.side;
    }
}

} // namespace
} // namespace representations
