#include "tools/field_trial/StayUpWatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tools {
namespace field_trial {
namespace {

enum Posture { UP, BETWEEN, DOWN, LIFTED };

/// One frame a second.
TrueBody frame(Posture posture, double time) {
    TrueBody body;
    body.known = true;
    body.time = time;
    body.position.z = posture == UP ? 0.35 : posture == BETWEEN ? 0.22 : posture == DOWN ? 0.07 : 1.1;
    return body;
}

TEST(StayUpWatchTest, AGetUpIsTheFirstFrameOfAnUprightSpellThatLastsAndAPlacedBodyNeverGetsUp) {
    const struct {
        std::vector<Posture> frames;
        std::optional<double> getUp;
        bool placed;
    } cases[] = {
        {{DOWN, BETWEEN, UP, UP, UP, UP}, 2.0, false},
        // Up for a moment and down again: the stand-up that counts is the later one.
        {{DOWN, UP, UP, DOWN, UP, UP, UP}, 4.0, false},
        {{DOWN, UP, BETWEEN, UP, UP, UP}, 3.0, false}, // swaying out of upright starts the spell afresh
        {{DOWN, UP, UP}, std::nullopt, false},          // not yet long enough
        {{DOWN, DOWN, DOWN, DOWN}, std::nullopt, false},
        // Lifted by the referee: what follows is not the player's own.
        {{DOWN, LIFTED, UP, UP, UP, UP}, std::nullopt, true},
    };
    for (const auto& c : cases) {
        StayUpWatch watch(2.0);
        for (std::size_t second = 0; second < c.frames.size(); ++second) {
            watch.observe(frame(c.frames[second], static_cast<double>(second)));
        }
        EXPECT_EQ(watch.getUpTime(), c.getUp);
        EXPECT_EQ(watch.wasPlaced(), c.placed);
        EXPECT_EQ(watch.isDecided(), c.getUp.has_value() || c.placed);
    }
}

TEST(StayUpWatchTest, IgnoresFramesThatAreNotNewerOrNotKnownAndKeepsItsOutcome) {
    StayUpWatch watch(1.0);
    watch.observe(frame(UP, 1.0));
    watch.observe(frame(DOWN, 1.0)); // the same moment again
    TrueBody unknown = frame(DOWN, 1.5);
    unknown.known = false;
    watch.observe(unknown);
    watch.observe(frame(UP, 2.0));
    ASSERT_EQ(watch.getUpTime(), 1.0);
    watch.observe(frame(DOWN, 3.0)); // a fall after the get-up is another story
    EXPECT_EQ(watch.getUpTime(), 1.0);
}

} // namespace
} // namespace field_trial
} // namespace tools
