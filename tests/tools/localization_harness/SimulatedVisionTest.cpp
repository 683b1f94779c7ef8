#include "tools/localization_harness/SimulatedVision.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tools/localization_harness/SeenObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace tools {
namespace localization_harness {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::FlagType;
using representations::PlaySide;

struct ViewCase {
    PlaySide::PLAY_SIDE side;
    Pose2D pose;
    std::set<std::string> landmarks;
};

std::set<std::string> landmarkNames(const SeenObjects& seen) {
    std::set<std::string> names;
    for (const auto* flag : seen.getFlags()) {
        names.insert(flag->getName());
    }
    for (const auto* post : seen.getGoalPosts()) {
        names.insert(post->getName());
    }
    return names;
}

TEST(SimulatedVisionTest, SeesTheLandmarksInItsViewByTheSidesNames) {
    const ViewCase cases[] = {
        {PlaySide::LEFT, Pose2D(0, 0, 0), {"F1R", "F2R", "G1R", "G2R"}},
        {PlaySide::RIGHT, Pose2D(0, 0, 0), {"F1L", "F2L", "G1L", "G2L"}},
        {PlaySide::LEFT, Pose2D(MathUtils::PI, 0, 0), {"F1L", "F2L", "G1L", "G2L"}},
        {PlaySide::LEFT, Pose2D(2.356, -13, 8), {"F1L"}},
        {PlaySide::RIGHT, Pose2D(2.356, -13, 8), {"F2R"}},
        {PlaySide::LEFT, Pose2D(MathUtils::PI / 2, 0, 0), {"F1L", "F1R"}},
        {PlaySide::LEFT, Pose2D(MathUtils::PI / 2, 0, 9.5), {}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "side " << c.side << " heading " << c.pose.rotation);
        boost::random::mt19937 engine(3u);
        SimulatedVision vision(engine);
        SeenObjects seen;
        seen.perceive(vision.see(c.pose, c.side, true));
        EXPECT_EQ(landmarkNames(seen), c.landmarks);
    }
}

TEST(SimulatedVisionTest, ReadingsAreTrueWithinTheNoiseAndTheRounding) {
    boost::random::mt19937 engine(3u);
    SimulatedVision vision(engine);
    SeenObjects seen;
    // F1L of the left side stands at (-15, 10): 5 m ahead of a robot at (-15, 5) looking up the goal line.
    seen.perceive(vision.see(Pose2D(MathUtils::PI / 2, -15, 5), PlaySide::LEFT, true));
    ASSERT_EQ(seen.getFlags().size(), 1u);
    const auto& flag = *seen.getFlags().front();
    EXPECT_EQ(flag.getFlagType(), FlagType::F1L);
    EXPECT_NEAR(flag.getPosition().x, 5.0, 0.03);
    EXPECT_NEAR(flag.getPosition().y, 0.0, 0.03);
    EXPECT_NEAR(flag.getPosition().z, 0.0, 0.03);
}

TEST(SimulatedVisionTest, LinesAreClippedToTheViewAndLandmarksCanBeLeftOut) {
    boost::random::mt19937 engine(3u);
    SimulatedVision vision(engine);
    SeenObjects seen;
    seen.perceive(vision.see(Pose2D(0.3, -2, 1), PlaySide::LEFT, false));
    EXPECT_TRUE(seen.getFlags().empty());
    EXPECT_TRUE(seen.getGoalPosts().empty());
    ASSERT_FALSE(seen.getLines().empty());
    const double limit = MathUtils::radiansToDegrees(SimulatedVision::HALF_VIEW_ANGLE) + 0.6;
    for (const auto* line : seen.getLines()) {
        EXPECT_LE(std::abs(line->getHorizontalAngleDeg()), limit);
        EXPECT_LE(std::abs(line->getHorizontalAngleDeg2()), limit);
    }
}

} // namespace
} // namespace localization_harness
} // namespace tools
