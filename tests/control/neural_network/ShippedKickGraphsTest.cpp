#include "control/neural_network/NeuralMotionType.h"
#include "control/neural_network/NeuralPlayer.h"
#include "representations/MarlowindsConstants.h"
#include "tests/control/PostureChecks.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace control {
namespace neural_network {
namespace {

using modeling::BodyPartType;
using representations::NaoJoints;
using tests::PostureChecks;

constexpr int MAX_CYCLES = 250; // 5 s
constexpr double CYCLE = 0.02;

/// Plays the graphs the build generated, from where the agent reads them.
class ShippedKickGraphsTest : public testing::Test {
protected:
    ShippedKickGraphsTest() {
        boost::filesystem::create_directory_symlink(boost::filesystem::path(MARLOWINDS_CONFIGURATION_DIR).parent_path(),
                                                    workingDirectory.getRoot() / "configuration");
    }

    /// Every posture the graph commands, cycle by cycle, to the cycle in which it ends.
    std::vector<NaoJoints> play(const std::string& name) {
        EXPECT_TRUE(
            boost::filesystem::exists(representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER + "/" + name + ".pb"))
            << name << " was not generated";
        player.setNetwork(name, 1);
        std::vector<NaoJoints> postures;
        for (int cycle = 0; cycle < MAX_CYCLES; ++cycle) {
            postures.push_back(player.getDesiredJoints({CYCLE * cycle}));
            if (player.hasEnded()) {
                return postures;
            }
        }
        ADD_FAILURE() << name << " has not ended after " << MAX_CYCLES << " cycles";
        return postures;
    }

    marlowinds_lib::utils::TemporaryWorkingDirectory workingDirectory;
    NeuralPlayer player{representations::MarlowindsConstants::NEURAL_NETWORK_FOLDER};
};

TEST_F(ShippedKickGraphsTest, EveryKickSwingsTheRightFootFromTheWalksStanceBackToItInsideTheJointRanges) {
    for (const std::string& name : NeuralMotionType::getRequestedMotions()) {
        const std::vector<NaoJoints> postures = play(name);
        ASSERT_GT(postures.size(), 50U) << name << " ends before it has kicked";
        // The kick approach leaves the robot standing as the walk stands, and the walk takes over again.
        PostureChecks::expectWalkStance(postures.front(), name + " at its start");
        PostureChecks::expectWalkStance(postures.back(), name + " at its end");
        for (std::size_t cycle = 0; cycle < postures.size(); ++cycle) {
            PostureChecks::expectInsideJointRanges(postures[cycle], name + ", cycle " + std::to_string(cycle));
        }
        // The catalogue places the ball of every neural kick 1.3 to 1.7 cm to the
        // right of the robot's centre line, in front of the right foot.
        EXPECT_GT(PostureChecks::expectBalancedWhileFootIsUp(postures, BodyPartType::LEFT_FOOT,
                                                             BodyPartType::RIGHT_FOOT, name),
                  20)
            << name << " hardly lifts the right foot";
    }
}

/// The right hip's fastest commanded swing, in rad/s.
double whipSpeed(const std::vector<NaoJoints>& postures) {
    double speed = 0.0;
    for (std::size_t cycle = 1; cycle < postures.size(); ++cycle) {
        const double change = postures[cycle].getValue(NaoJoints::RIGHT_HIP_PITCH) -
                              postures[cycle - 1].getValue(NaoJoints::RIGHT_HIP_PITCH);
        speed = std::max(speed, std::fabs(change) / CYCLE);
    }
    return speed;
}

TEST_F(ShippedKickGraphsTest, NoDistanceKickSwingsSlowerThanAShorterOne) {
    double previousSpeed = 0.0;
    for (const std::string& name : NeuralMotionType::getDistanceKicks()) {
        const double speed = whipSpeed(play(name));
        EXPECT_GE(speed, previousSpeed) << name;
        previousSpeed = speed;
    }
}

/// Fails unless the two kicks command the same postures in every cycle.
void expectSameKick(const std::vector<NaoJoints>& kick, const std::vector<NaoJoints>& expected,
                    const std::string& what) {
    ASSERT_EQ(kick.size(), expected.size()) << what;
    for (std::size_t cycle = 0; cycle < expected.size(); ++cycle) {
        for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
            const auto hinge = static_cast<NaoJoints::HINGE_JOINTS>(joint);
            EXPECT_NEAR(kick[cycle].getValue(hinge), expected[cycle].getValue(hinge), 1e-9)
                << what << ", cycle " << cycle;
        }
    }
}

TEST_F(ShippedKickGraphsTest, TheFarthestDistanceKickPlaysTheLongestKick) {
    expectSameKick(play(NeuralMotionType::getDistanceKicks().back()), play(NeuralMotionType::BEST_KICK),
                   NeuralMotionType::getDistanceKicks().back());
}

/// The longest kick's reach on body type 0, the one that plays the kicks by
/// distance (8.7 to 8.8 m, configuration/neural_motions/README.md): the first
/// name at or beyond it.
constexpr double REACH = 9.0;

TEST_F(ShippedKickGraphsTest, TheNamesWithinTheReachPlaySofterKicksTheShorterTheNameAndTheOthersTheLongest) {
    const std::vector<NaoJoints> longest = play(NeuralMotionType::BEST_KICK);
    const double longestSpeed = whipSpeed(longest);
    const std::vector<std::string>& names = NeuralMotionType::getDistanceKicks();
    double previousSpeed = 0.0;
    int softer = 0;
    for (std::size_t index = 0; index < names.size(); ++index) {
        const double distance = NeuralMotionType::SHORTEST_DISTANCE_KICK + NeuralMotionType::DISTANCE_KICK_STEP * index;
        const std::vector<NaoJoints> kick = play(names[index]);
        if (distance >= REACH) {
            expectSameKick(kick, longest, names[index]);
            continue;
        }
        // Each name within the reach kicks its own distance: a kick of its own,
        // swinging the right hip slower than the next longer name's.
        const double speed = whipSpeed(kick);
        EXPECT_GT(speed, previousSpeed) << names[index];
        EXPECT_LT(speed, longestSpeed) << names[index];
        previousSpeed = speed;
        ++softer;
    }
    EXPECT_EQ(softer, 4) << "7.0m to 8.5m";
}

} // namespace
} // namespace neural_network
} // namespace control
