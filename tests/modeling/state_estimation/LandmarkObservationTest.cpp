#include "modeling/state_estimation/LandmarkObservation.h"

#include <gtest/gtest.h>

namespace modeling {
namespace state_estimation {
namespace {

using representations::FlagType;
using representations::GoalPostType;

LandmarkObservation flag(FlagType::FLAG_TYPE type) {
    LandmarkObservation observation;
    observation.flagType = type;
    return observation;
}

LandmarkObservation post(GoalPostType::GOAL_POST_TYPE type) {
    LandmarkObservation observation;
    observation.goalPostType = type;
    return observation;
}

struct BorderCase {
    LandmarkObservation landmark;
    bool isFlag;
    bool upper;
    bool left;
};

TEST(LandmarkObservationTest, BordersGoByTypeOnly) {
    const BorderCase cases[] = {
        {flag(FlagType::F1L), true, true, true},        {flag(FlagType::F2L), true, false, true},
        {flag(FlagType::F1R), true, true, false},       {flag(FlagType::F2R), true, false, false},
        {post(GoalPostType::G1L), false, false, true},  {post(GoalPostType::G2L), false, false, true},
        {post(GoalPostType::G1R), false, false, false}, {post(GoalPostType::G2R), false, false, false},
    };
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "flag " << c.landmark.flagType << " post " << c.landmark.goalPostType);
        EXPECT_EQ(c.landmark.isFlag(), c.isFlag);
        EXPECT_EQ(c.landmark.onUpperBorder(), c.upper);
        EXPECT_EQ(c.landmark.onLeftBorder(), c.left);
    }
}

struct PairCase {
    LandmarkObservation a;
    LandmarkObservation b;
    bool sameBorder;
};

TEST(LandmarkObservationTest, SameBorderUnlessDiagonal) {
    const PairCase cases[] = {
        {flag(FlagType::F1L), post(GoalPostType::G1L), true},
        {flag(FlagType::F1L), flag(FlagType::F1R), true},
        {flag(FlagType::F1L), flag(FlagType::F2L), true},
        {flag(FlagType::F1L), flag(FlagType::F2R), false},
        {flag(FlagType::F2L), flag(FlagType::F1R), false},
        // No goal post is on the upper border, so G1L shares the lower one with F2R.
        {post(GoalPostType::G1L), flag(FlagType::F2R), true},
        {post(GoalPostType::G1R), flag(FlagType::F1L), false},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.a.flagType << "/" << c.a.goalPostType << " with " << c.b.flagType << "/" << c.b.goalPostType);
        EXPECT_EQ(LandmarkObservation::landmarksOnSameBorder(c.a, c.b), c.sameBorder);
        EXPECT_EQ(LandmarkObservation::landmarksOnSameBorder(c.b, c.a), c.sameBorder);
    }
}

} // namespace
} // namespace state_estimation
} // namespace modeling
