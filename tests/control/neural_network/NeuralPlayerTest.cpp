#include "control/neural_network/NeuralPlayer.h"

#include "representations/MarlowindsConstants.h"
#include "tests/control/neural_network/LinearMotionGraph.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

namespace control {
namespace neural_network {
namespace {

using representations::NaoJoints;

class NeuralPlayerTest : public testing::Test {
protected:
    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    NeuralPlayer player{representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER};
};

TEST_F(NeuralPlayerTest, PlaysTheMotionUntilTheEndSignalIsAboveItsThreshold) {
    tests::writeLinearMotion("kick/test", 0.5F);
    player.setNetwork("kick/test", 1);
    struct Cycle {
        double time;
        bool started;
        bool ended;
    };
    // The network computes in float: 0.9 arrives just below 0.9, 0.9000001 just above.
    for (const Cycle& cycle :
         {Cycle{0.0, true, false}, Cycle{0.5, false, false}, Cycle{0.9, false, false}, Cycle{0.9000001, false, true}}) {
        SCOPED_TRACE(cycle.time);
        const NaoJoints& joints = player.getDesiredJoints({cycle.time});
        EXPECT_EQ(player.hasStarted(), cycle.started);
        EXPECT_EQ(player.hasEnded(), cycle.ended);
        for (int j = 0; j < NaoJoints::NUMBER_OF_JOINTS; ++j) {
            EXPECT_NEAR(joints.getValue(static_cast<NaoJoints::HINGE_JOINTS>(j)), (j + 1) / 100.0 * cycle.time + 0.5,
                        1e-6);
        }
    }
}

TEST_F(NeuralPlayerTest, EveryMotionLoadsItsGraphAfresh) {
    tests::writeLinearMotion("motion", 0.5F);
    player.setNetwork("motion", 1);
    player.forwardPass({1.0});
    ASSERT_TRUE(player.hasEnded());

    tests::writeLinearMotion("motion", -0.25F);
    player.setNetwork("motion", 1);
    EXPECT_NEAR(player.getDesiredJoints({0.0}).getValue(NaoJoints::NECK_YAW), -0.25, 1e-7);
    EXPECT_TRUE(player.hasStarted());
    EXPECT_FALSE(player.hasEnded());

    // A pass without features reads the time as 0, as the network does.
    player.forwardPass({0.5});
    EXPECT_NEAR(player.getDesiredJoints({}).getValue(NaoJoints::NECK_YAW), -0.25, 1e-7);
    EXPECT_TRUE(player.hasStarted());
}

TEST_F(NeuralPlayerTest, AMotionWithoutAGraphEndsAtOnce) {
    // Before any network is set, and with a graph file that is missing.
    player.forwardPass({0.0});
    EXPECT_TRUE(player.hasEnded());

    testing::internal::CaptureStderr();
    player.setNetwork("kick/missing", 1);
    const NaoJoints& joints = player.getDesiredJoints({0.0});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("kick/missing.pb"), std::string::npos);
    EXPECT_TRUE(player.hasEnded());
    EXPECT_EQ(joints.lInfiniteNorm(), 0.0);
}

} // namespace
} // namespace neural_network
} // namespace control
