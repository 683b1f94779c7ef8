#include "decision_making/behavior/kick_behavior/KickManager.h"

#include "decision_making/behavior/kick_behavior/Kicks.h"
#include "decision_making/behavior/kick_behavior/RelativeWithTargetExpectedPoseCalculator.h"
#include "tests/decision_making/behavior/kick_behavior/KickMotion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace decision_making {
namespace behavior {
namespace kick_behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::motionOf;

const double PI = std::acos(-1.0);

TEST(KickManagerTest, SelectsByDistanceUniformNumberAndBodyType) {
    const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double distance;
        int number;
        int bodyType;
        const char* motion;
    } table[] = {
        {2.0, 10, 0, "keyframe bestKickLeftLeg"},
        {25.0, 10, 0, "keyframe bestKickLeftLeg"},
        {25.0, 10, 4, "neural kick/output_graph_toe"},
        {7.0, 9, 0, "keyframe superKickLeft"},
        {2.0, 9, 0, "keyframe superKickLeft"},
        {7.01, 9, 0, "neural kick/7.0m"},
        {7.25, 9, 0, "neural kick/7.5m"},
        {7.3, 9, 0, "neural kick/7.5m"},
        {12.74, 9, 0, "neural kick/12.5m"},
        {30.0, 9, 0, "neural kick/18.0m"},
        {7.0, 4, 2, "keyframe superKickLeft"},
        {7.5, 4, 2, "keyframe secondaryKickLeftLeg"},
        {15.0, 2, 4, "neural kick/output_graph_toe"},
        {-1.0, 2, 4, "keyframe superKickLeft"},
        // The team never plays body types 1 and 3: they kick as type 4.
        {5.0, 2, 1, "keyframe superKickLeft"},
        {15.0, 2, 1, "neural kick/output_graph_toe"},
        {15.0, 2, 3, "neural kick/output_graph_toe"},
        // A distance that is not a number is taken for a short one.
        {NOT_A_NUMBER, 9, 0, "keyframe superKickLeft"},
    };
    KickManager manager;
    for (const auto& row : table) {
        EXPECT_EQ(motionOf(*manager.selectKick(row.distance, row.number, row.bodyType, 0.0)), row.motion)
            << row.distance << " m, number " << row.number << ", body type " << row.bodyType;
    }
}

TEST(KickManagerTest, CatalogueKicksAreSharedAndTheStandardBodysNeuralKickIsNew) {
    KickManager manager;
    EXPECT_EQ(manager.getKick(10.0, 4, 2, 0.0), manager.getKick(10.0, 4, 2, 0.0));

    const std::shared_ptr<Kick> first = manager.getKick(10.0, 9, 0, 0.0);
    const std::shared_ptr<Kick> second = manager.getKick(10.0, 9, 0, 0.0);
    EXPECT_NE(first, second);
    EXPECT_EQ(motionOf(*first), motionOf(*second));
}

TEST(KickManagerTest, EachKickStandsWhereItsMotionMeetsTheBall) {
    const struct {
        std::shared_ptr<Kick> kick;
        const char* motion;
        double x, y, orientation;
    } table[] = {
        {std::make_shared<BestKick>(), "neural kick/output_graph", -0.1622, 0.0402, -0.1633},
        {std::make_shared<BestKickKeyframe>(), "keyframe bestKickLeftLeg", -0.1619, 0.0314, -0.1663},
        {std::make_shared<FastKick>(), "keyframe superKickLeft", -0.1546, -0.0382, 0.0},
        {std::make_shared<BestKickToe>(), "neural kick/output_graph_toe", -0.165, 0.0, 0.1},
        {std::make_shared<KeyframeSecondaryKick>(), "keyframe secondaryKickLeftLeg", -0.160705866, -0.038297443, 0.1},
        {std::make_shared<ShortDistance5mKick>(), "keyframe kick5m", -0.17, -0.04, 0.0},
        {std::make_shared<LongDistance20mKick>(), "keyframe kick20mLeftLeg", -0.13, -0.015, 0.13},
        {std::make_shared<StandardNaoNeuralKick>("9.5"), "neural kick/9.5m", -0.17, 0.0, 0.1},
    };
    for (const auto& row : table) {
        const KickParameters parameters = row.kick->getKickParameters();
        EXPECT_EQ(motionOf(*row.kick), row.motion);
        EXPECT_NEAR(parameters.getRelativeSelfPosition().x, row.x, 5e-5) << row.motion;
        EXPECT_NEAR(parameters.getRelativeSelfPosition().y, row.y, 5e-5) << row.motion;
        EXPECT_NEAR(parameters.getSelfOrientation(), row.orientation, 5e-5) << row.motion;
    }
}

TEST(KickManagerTest, TheExpectedPoseTurnsWithTheKickDirectionOnly) {
    const KickParameters kick = LongDistance20mKick().getKickParameters();
    const struct {
        Pose2D from, target;
        double heading, x, y;
    } table[] = {
        {Pose2D(0.0, 0.0, 0.0), Pose2D(0.0, 1.0, 0.0), 0.13, -0.13, -0.015},
        {Pose2D(0.0, 0.0, 0.0), Pose2D(0.0, 0.0, 1.0), PI / 2 + 0.13, 0.015, -0.13},
        // The poses' rotations play no part, and the result is relative to the ball.
        {Pose2D(2.0, 5.0, -3.0), Pose2D(-1.0, 5.0, 4.0), PI / 2 + 0.13, 0.015, -0.13},
    };
    for (const auto& row : table) {
        const Pose2D pose = RelativeWithTargetExpectedPoseCalculator::calculateExpectedPosition(
            DataToFindExpectedPosition(row.from, row.target, kick));
        EXPECT_NEAR(pose.rotation, row.heading, 1e-12);
        EXPECT_NEAR(pose.translation.x, row.x, 1e-12);
        EXPECT_NEAR(pose.translation.y, row.y, 1e-12);
    }
}

} // namespace
} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
