#include "perception/VisibleObject.h"
#include "perception/VisibleBall.h"
#include "perception/VisibleFlag.h"
#include "perception/VisibleGoalPost.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "tests/perception/ParsedGroup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace perception {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Vector3;

void expectNear(const Vector3<double>& actual, const Vector3<double>& expected, const std::string& context) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << context;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << context;
    EXPECT_NEAR(actual.z, expected.z, 1e-9) << context;
}

TEST(VisibleObjectTest, PolarReadingGivesTheCameraFramePosition) {
    struct Row {
        std::string group;
        Vector3<double> position;
    };
    const std::vector<Row> rows{
        {"(B (pol 2 0 0))", {2.0, 0.0, 0.0}},
        {"(B (pol 10 90 0))", {0.0, 10.0, 0.0}},
        {"(B (pol 5 0 90))", {0.0, 0.0, 5.0}},
        {"(B (pol 2 180 0))", {-2.0, 0.0, 0.0}},
        {"(B (pol 4 45 -30))",
         {4.0 * std::cos(-MathUtils::PI / 6.0) * std::cos(MathUtils::PI / 4.0),
          4.0 * std::cos(-MathUtils::PI / 6.0) * std::sin(MathUtils::PI / 4.0), -2.0}},
        {"(B (pol  2 0 0 ))", {2.0, 0.0, 0.0}},
        {"(B (anything 2 0 0))", {2.0, 0.0, 0.0}},
        {"(B (pol x 0 0))", {0.0, 0.0, 0.0}},
        {"(B (pol 2.5m 0 0))", {2.5, 0.0, 0.0}},
    };
    for (const Row& row : rows) {
        const testing::ParsedGroup group(row.group);

        const VisibleBall ball(group.node());

        expectNear(ball.getPosition(), row.position, row.group);
    }
}

TEST(VisibleObjectTest, FlagsAndGoalPostsTakeTheirTypeFromTheServerName) {
    // The type tables have tests of their own.
    const VisibleFlag flag(testing::ParsedGroup("(F2R (pol 1 0 0))").node());
    const VisibleGoalPost post(testing::ParsedGroup("(G2R (pol 5 0 90))").node());

    EXPECT_EQ(flag.getFlagType(), representations::FlagType::F2R);
    EXPECT_EQ(flag.getVisibleObjectType(), VisibleObjectType::FLAG);
    EXPECT_EQ(flag.getName(), "F2R");
    EXPECT_EQ(post.getGoalPostType(), representations::GoalPostType::G2R);
    EXPECT_EQ(post.getVisibleObjectType(), VisibleObjectType::GOAL_POST);
}

TEST(VisibleObjectTest, SetObjectTypeTrimsAndKeepsTheKindForUnknownNames) {
    struct Row {
        std::string name;
        VisibleObjectType::VISIBLE_OBJECT_TYPE kind;
    };
    const std::vector<Row> rows{
        {" B ", VisibleObjectType::BALL},      {"P", VisibleObjectType::PLAYER}, {"L", VisibleObjectType::LINE},
        {"G1R", VisibleObjectType::GOAL_POST}, {"F1L", VisibleObjectType::FLAG}, {"b", VisibleObjectType::LINE},
        {"", VisibleObjectType::LINE},
    };
    VisibleObject object("L", VisibleObjectType::LINE, {});
    for (const Row& row : rows) {
        object.setObjectType("L");

        object.setObjectType(row.name);

        EXPECT_EQ(object.getVisibleObjectType(), row.kind) << '"' << row.name << '"';
    }
}

TEST(VisibleObjectTest, ReadingsRoundTripThePolarInput) {
    MathUtils::generator.seed(5489u);
    auto distance = MathUtils::getUniformRandomGenerator(0.01, 40.0);
    auto horizontal = MathUtils::getUniformRandomGenerator(-179.9, 179.9);
    auto latitude = MathUtils::getUniformRandomGenerator(-89.9, 89.9);
    for (int i = 0; i < 500; ++i) {
        const double d = distance();
        const double h = horizontal();
        const double v = latitude();
        const testing::ParsedGroup group("(B (pol " + std::to_string(d) + " " + std::to_string(h) + " " +
                                         std::to_string(v) + "))");

        const VisibleBall ball(group.node());

        EXPECT_NEAR(ball.getDistance(), std::stod(std::to_string(d)), 1e-9);
        EXPECT_NEAR(ball.getHorizontalAngleDeg(), std::stod(std::to_string(h)), 1e-6);
        EXPECT_NEAR(ball.getLatitudeAngleDeg(), std::stod(std::to_string(v)), 1e-6);
        EXPECT_NEAR(ball.getHorizontalAngle(), MathUtils::degreesToRadians(ball.getHorizontalAngleDeg()), 1e-12);
    }
}

TEST(VisibleObjectTest, MirroredBearingGivesMirroredPosition) {
    for (const double h : {0.0, 12.5, 45.0, 90.0, 135.0, 179.0}) {
        const testing::ParsedGroup left("(B (pol 3.5 " + std::to_string(h) + " -20))");
        const testing::ParsedGroup right("(B (pol 3.5 " + std::to_string(-h) + " -20))");

        const VisibleBall leftBall(left.node());
        const VisibleBall rightBall(right.node());

        expectNear(rightBall.getPosition(),
                   {leftBall.getPosition().x, -leftBall.getPosition().y, leftBall.getPosition().z},
                   "bearing " + std::to_string(h));
    }
}

TEST(VisibleObjectTest, LatitudeAtDistanceZeroIsNotANumber) {
    const VisibleBall ball(testing::ParsedGroup("(B (pol 0 10 10))").node());

    EXPECT_EQ(ball.getDistance(), 0.0);
    EXPECT_TRUE(std::isnan(ball.getLatitudeAngle()));
}

TEST(VisibleObjectTest, TransformRotatesThenTranslates) {
    VisibleBall ball(testing::ParsedGroup("(B (pol 2 0 0))").node());
    marlowinds_lib::math::Pose3D pose({1.0, 2.0, 3.0});
    pose.rotateZ(MathUtils::PI / 2.0);

    ball.transformPosition(pose);

    expectNear(ball.getPosition(), {1.0, 4.0, 3.0}, "after transform");
}

} // namespace
} // namespace perception
