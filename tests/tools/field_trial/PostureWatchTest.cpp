#include "tools/field_trial/PostureWatch.h"

#include <gtest/gtest.h>

#include <vector>

namespace tools {
namespace field_trial {
namespace {

enum Posture { UP, BETWEEN, DOWN };

TrueBody body(Posture posture, double time) {
    TrueBody sample;
    sample.known = true;
    sample.time = time;
    sample.position.z = posture == UP ? 0.35 : posture == BETWEEN ? 0.22 : 0.07;
    return sample;
}

TEST(PostureWatchTest, CountsEachFallOnceUntilUprightAgainTheGetUpsTheReFallsAndTheTimeSpentUpright) {
    const struct {
        std::vector<Posture> postures; // one sample a second
        int falls;
        double uprightShare;
        int getUps;
        double gettingUpSeconds;
        int reFalls; // within two seconds of a get-up
    } cases[] = {
        {{UP, UP, UP, UP, UP}, 0, 1.0, 0, 0.0, 0},
        {{UP, UP, DOWN, DOWN, DOWN}, 1, 0.5, 0, 0.0, 0},
        {{UP, DOWN, BETWEEN, DOWN, UP}, 1, 0.25, 1, 3.0, 0}, // not up in between: the same fall
        {{UP, DOWN, UP, DOWN, UP}, 2, 0.5, 2, 2.0, 1},
        {{DOWN, DOWN, BETWEEN, UP, UP}, 1, 0.25, 1, 3.0, 0}, // lying from the start
        {{UP, BETWEEN, UP, BETWEEN, UP}, 0, 0.5, 0, 0.0, 0}, // stumbling without falling
        {{DOWN, UP, BETWEEN, DOWN, UP}, 2, 0.25, 2, 2.0, 1}, // down again two seconds after getting up
        {{DOWN, UP, UP, BETWEEN, DOWN}, 2, 0.5, 1, 1.0, 0},  // three seconds after: a fall of its own
    };
    for (const auto& c : cases) {
        PostureWatch watch;
        for (std::size_t second = 0; second < c.postures.size(); ++second) {
            watch.observe(body(c.postures[second], static_cast<double>(second)));
        }
        EXPECT_EQ(watch.getFalls(), c.falls);
        EXPECT_DOUBLE_EQ(watch.getObservedSeconds(), static_cast<double>(c.postures.size() - 1));
        EXPECT_DOUBLE_EQ(watch.getUprightShare(), c.uprightShare);
        EXPECT_EQ(watch.getGetUps(), c.getUps);
        EXPECT_DOUBLE_EQ(watch.getGettingUpSeconds(), c.gettingUpSeconds);
        EXPECT_EQ(watch.getReFalls(), c.reFalls);
    }
}

TEST(PostureWatchTest, IgnoresSamplesThatAreNotNewerOrNotKnown) {
    PostureWatch watch;
    watch.observe(body(UP, 1.0));
    watch.observe(body(DOWN, 1.0));
    watch.observe(body(DOWN, 0.5));
    TrueBody unknown = body(DOWN, 2.0);
    unknown.known = false;
    watch.observe(unknown);
    watch.observe(body(UP, 3.0));
    EXPECT_EQ(watch.getFalls(), 0);
    EXPECT_DOUBLE_EQ(watch.getUprightShare(), 1.0);

    watch.reset();
    EXPECT_EQ(watch.getObservedSeconds(), 0.0);
    EXPECT_EQ(watch.getUprightShare(), 0.0);
}

} // namespace
} // namespace field_trial
} // namespace tools
