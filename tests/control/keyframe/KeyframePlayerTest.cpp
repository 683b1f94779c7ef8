#include "control/keyframe/KeyframePlayer.h"

#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "tests/control/JsonLeaf.h"

#include <gtest/gtest.h>

#include <string>

namespace control {
namespace keyframe {
namespace {

using representations::NaoJoints;
using Branch = marlowinds_lib::utils::patterns::BranchParameter<boost::property_tree::ptree, std::string>;

/// A player with "a" (knee to 1, then 2 in one second) and "b".
class KeyframePlayerTest : public testing::Test {
protected:
    void SetUp() override {
        Branch node;
        node.addChild("a.json", tests::jsonLeaf(R"({"name": "a", "steps": [{"leftKneePitch": 1, "delta": 1},
                                                   {"leftKneePitch": 2, "delta": 1}]})"));
        node.addChild("b.json", tests::jsonLeaf(R"({"name": "b", "steps": [{"delta": 0}, {"delta": 1}]})"));
        player.getPageManager().setParameter(node);
    }

    double knee(double time) {
        return player.getDesiredJoints(NaoJoints(), time, false).getValue(NaoJoints::LEFT_KNEE_PITCH);
    }

    KeyframePlayer player;
};

TEST_F(KeyframePlayerTest, AnUnknownNameIsRefusedWithOneMessageAndChangesNothing) {
    ASSERT_TRUE(player.setPage("a"));
    testing::internal::CaptureStderr();
    for (int cycle = 0; cycle < 3; ++cycle) {
        EXPECT_FALSE(player.setPage("fallSideways"));
    }
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages, "(KeyframePlayer) no keyframe page \"fallSideways\": its requests are refused\n");
    EXPECT_EQ(player.getCurrentPage()->getName(), "a");
    EXPECT_TRUE(player.hasPageEnded("fallSideways"));
}

TEST_F(KeyframePlayerTest, SettingThePageAgainReplaysItAndAFinishedPageHoldsItsLastPose) {
    ASSERT_TRUE(player.setPage("a"));
    knee(0.0);
    knee(1.0);
    EXPECT_DOUBLE_EQ(knee(2.0), 2.0);
    EXPECT_TRUE(player.getCurrentPage()->hasFinished());
    EXPECT_DOUBLE_EQ(knee(5.0), 2.0);
    EXPECT_TRUE(player.hasPageEnded("a"));
    EXPECT_FALSE(player.hasPageEnded("b"));

    ASSERT_TRUE(player.setPage("a"));
    EXPECT_FALSE(player.hasPageEnded("a"));
    EXPECT_DOUBLE_EQ(knee(10.0), 0.0); // the approach starts again from the measured pose
    EXPECT_DOUBLE_EQ(knee(10.5), 0.5);
}

} // namespace
} // namespace keyframe
} // namespace control
