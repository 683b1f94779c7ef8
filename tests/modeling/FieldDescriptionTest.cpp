#include "modeling/FieldDescription.h"

#include "tests/modeling/GeometryExpectations.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace modeling {
namespace {

using marlowinds_lib::math::Vector3;
using representations::FlagType;
using representations::GoalPostType;
using representations::PlaySide;

void expectNear(const Vector3<double>& actual, const Vector3<double>& expected) {
    testing::expectNear(actual, expected, 1e-12);
}

FieldDescription fieldFor(PlaySide::PLAY_SIDE side) {
    FieldDescription field;
    field.update(side);
    return field;
}

struct LandmarkCase {
    const char* description;
    const FieldDescription field;
    FlagType::FLAG_TYPE flag;
    GoalPostType::GOAL_POST_TYPE post;
    Vector3<double> expected;
};

TEST(FieldDescriptionTest, LandmarkPositionsFollowTheSide) {
    const LandmarkCase cases[] = {
        {"left: F1L", fieldFor(PlaySide::LEFT), FlagType::F1L, GoalPostType::UNKNOWN, {-15, 10, 0}},
        {"right: F1L", fieldFor(PlaySide::RIGHT), FlagType::F1L, GoalPostType::UNKNOWN, {15, -10, 0}},
        {"unknown side as right: F1L", fieldFor(PlaySide::UNKNOWN), FlagType::F1L, GoalPostType::UNKNOWN, {15, -10, 0}},
        {"before the first update, left: F1L", FieldDescription(), FlagType::F1L, GoalPostType::UNKNOWN, {-15, 10, 0}},
        {"right: F2R", fieldFor(PlaySide::RIGHT), FlagType::F2R, GoalPostType::UNKNOWN, {-15, 10, 0}},
        {"left: G2R", fieldFor(PlaySide::LEFT), FlagType::UNKNOWN, GoalPostType::G2R, {15, -1.05, 0.8}},
        {"left: G1L", fieldFor(PlaySide::LEFT), FlagType::UNKNOWN, GoalPostType::G1L, {-15, 1.05, 0.8}},
        {"right: G1R", fieldFor(PlaySide::RIGHT), FlagType::UNKNOWN, GoalPostType::G1R, {-15, -1.05, 0.8}},
        {"unknown side as right: G1R",
         fieldFor(PlaySide::UNKNOWN),
         FlagType::UNKNOWN,
         GoalPostType::G1R,
         {-15, -1.05, 0.8}},
    };
    for (const LandmarkCase& c : cases) {
        SCOPED_TRACE(c.description);
        expectNear(c.flag != FlagType::UNKNOWN ? c.field.getFlagKnownPosition(c.flag)
                                               : c.field.getGoalPostKnownPosition(c.post),
                   c.expected);
    }
}

TEST(FieldDescriptionTest, OwnGoalIsAlwaysAtMinusFifteen) {
    struct GoalCase {
        PlaySide::PLAY_SIDE side;
        GoalPostType::GOAL_POST_TYPE ownFirst, ownSecond, theirFirst, theirSecond;
    };
    const GoalCase cases[] = {
        {PlaySide::LEFT, GoalPostType::G1L, GoalPostType::G2L, GoalPostType::G1R, GoalPostType::G2R},
        {PlaySide::RIGHT, GoalPostType::G1R, GoalPostType::G2R, GoalPostType::G1L, GoalPostType::G2L},
    };
    for (const GoalCase& c : cases) {
        const FieldDescription field = fieldFor(c.side);
        expectNear((field.getGoalPostKnownPosition(c.ownFirst) + field.getGoalPostKnownPosition(c.ownSecond)) / 2.0,
                   {-15, 0, FieldDescription::GOAL_POST_HEIGHT});
        expectNear((field.getGoalPostKnownPosition(c.theirFirst) + field.getGoalPostKnownPosition(c.theirSecond)) / 2.0,
                   {15, 0, FieldDescription::GOAL_POST_HEIGHT});
    }
}

TEST(FieldDescriptionTest, SidesAreEachOthersHalfTurn) {
    const FieldDescription left = fieldFor(PlaySide::LEFT);
    const FieldDescription right = fieldFor(PlaySide::RIGHT);
    for (const auto flag : {FlagType::F1L, FlagType::F2L, FlagType::F1R, FlagType::F2R}) {
        const Vector3<double>& l = left.getFlagKnownPosition(flag);
        expectNear(right.getFlagKnownPosition(flag), {-l.x, -l.y, l.z});
    }
    for (const auto post : {GoalPostType::G1L, GoalPostType::G2L, GoalPostType::G1R, GoalPostType::G2R}) {
        const Vector3<double>& l = left.getGoalPostKnownPosition(post);
        expectNear(right.getGoalPostKnownPosition(post), {-l.x, -l.y, l.z});
    }
}

TEST(FieldDescriptionTest, UnknownLandmarkIsRejected) {
    const FieldDescription field;
    EXPECT_THROW(field.getFlagKnownPosition(FlagType::UNKNOWN), std::out_of_range);
    EXPECT_THROW(field.getGoalPostKnownPosition(GoalPostType::UNKNOWN), std::out_of_range);
    EXPECT_THROW(field.getFlagKnownPosition(static_cast<FlagType::FLAG_TYPE>(-1)), std::out_of_range);
}

} // namespace
} // namespace modeling
