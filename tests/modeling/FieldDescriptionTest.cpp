#include "modeling/FieldDescription.h"

#include "tests/modeling/GeometryExpectations.h"

#include <gtest/gtest.h>

#include <cmath>
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

struct FlagCase {
    PlaySide::PLAY_SIDE side;
    FlagType::FLAG_TYPE flag;
    Vector3<double> expected;
};

TEST(FieldDescriptionTest, FlagPositionsFollowTheSide) {
    const FlagCase cases[] = {
        {PlaySide::LEFT, FlagType::F1L, {-15, 10, 0}},
        {PlaySide::RIGHT, FlagType::F1L, {15, -10, 0}},
        {PlaySide::UNKNOWN, FlagType::F1L, {15, -10, 0}},
        {PlaySide::RIGHT, FlagType::F2R, {-15, 10, 0}},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "side " << c.side << " flag " << c.flag);
        expectNear(fieldFor(c.side).getFlagKnownPosition(c.flag), c.expected);
    }
}

struct PostCase {
    PlaySide::PLAY_SIDE side;
    GoalPostType::GOAL_POST_TYPE post;
    Vector3<double> expected;
};

TEST(FieldDescriptionTest, GoalPostPositionsFollowTheSide) {
    const PostCase cases[] = {
        {PlaySide::LEFT, GoalPostType::G2R, {15, -1.05, 0.8}},
        {PlaySide::RIGHT, GoalPostType::G1R, {-15, -1.05, 0.8}},
        {PlaySide::UNKNOWN, GoalPostType::G1R, {-15, -1.05, 0.8}},
        {PlaySide::LEFT, GoalPostType::G1L, {-15, 1.05, 0.8}},
    };
    for (const PostCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "side " << c.side << " post " << c.post);
        expectNear(fieldFor(c.side).getGoalPostKnownPosition(c.post), c.expected);
    }
}

TEST(FieldDescriptionTest, LeftSideIsUsedBeforeTheFirstUpdate) {
    const FieldDescription field;
    EXPECT_EQ(field.getCurrentPlaySide(), PlaySide::LEFT);
    expectNear(field.getFlagKnownPosition(FlagType::F1L), {-15, 10, 0});
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
        const double goalWidth =
            (field.getGoalPostKnownPosition(c.ownFirst) - field.getGoalPostKnownPosition(c.ownSecond)).norm();
        EXPECT_NEAR(goalWidth, FieldDescription::GOAL_AREA_WIDTH, 1e-12);
    }
}

TEST(FieldDescriptionTest, SidesAreEachOthersHalfTurn) {
    const FieldDescription left = fieldFor(PlaySide::LEFT);
    const FieldDescription right = fieldFor(PlaySide::RIGHT);
    for (const auto flag : {FlagType::F1L, FlagType::F2L, FlagType::F1R, FlagType::F2R}) {
        const Vector3<double>& l = left.getFlagKnownPosition(flag);
        expectNear(right.getFlagKnownPosition(flag), {-l.x, -l.y, l.z});
        EXPECT_DOUBLE_EQ(std::abs(l.x), FieldDescription::FIELD_LENGTH / 2.0);
        EXPECT_DOUBLE_EQ(std::abs(l.y), FieldDescription::FIELD_WIDTH / 2.0);
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
