// The walk in a closed loop over the stand-in's joint plant, with a share of
// the server's messages damaged on their way to the agent, beside the same
// walk undamaged.
#include "control/WalkMovementState.h"
#include "control/WalkRequest.h"
#include "tests/control/ControlLoop.h"
#include "tools/test_server/MessageDamager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace control {
namespace {

using marlowinds_lib::math::Pose2D;
using representations::NaoJoints;
using tools::test_server::MessageDamager;
using Damage = MessageDamager::Damage;

/// The start's smoothing is over and the walk steps by the clock alone.
constexpr int WALKING_FROM = 100;
constexpr int CYCLES = 600;
/// The share of the field trials that made the robot fall.
constexpr double SHARE = 0.05;
/// A reading kept from the last cycle is off by one cycle's move of its joint,
/// so the controller commands the joint by about a third of its speed more
/// (gain times cycle), or, when the message lost the clock too, repeats the last
/// command; runs of damaged messages add up. Readings of 0 instead swing speeds
/// across their whole range of twice 6.1 rad/s and the posture by 0.14 rad and more.
constexpr double SPEED_TOLERANCE = 4.0;   // rad/s
constexpr double POSTURE_TOLERANCE = 0.1; // rad

std::shared_ptr<WalkRequest> gentleCircle() {
    // 0.4 m/s forward, turning at 0.1 rad/s: walked without a fall when nothing is damaged.
    return std::make_shared<WalkRequest>(Pose2D(0.1, 0.4, 0.0));
}

TEST(DamagedMessagesWalkTest, JointSpeedsAndPostureStayCloseToThoseOfTheSameWalkUndamaged) {
    const tests::ShippedWalkSets walkSets;
    for (const Damage damage : {Damage::TRUNCATE, Damage::BAD_JOINT}) {
        for (const unsigned seed : {1u, 2u, 3u, 4u}) {
            SCOPED_TRACE(testing::Message() << "damage " << static_cast<int>(damage) << ", seed " << seed);
            tests::ControlLoop undamaged;
            tests::ControlLoop damaged;
            MessageDamager damager(seed);
            int damagedMessages = 0;
            for (int cycle = 0; cycle < CYCLES; ++cycle) {
                undamaged.cycle(gentleCircle());
                std::string message = damaged.nextMessage();
                if (cycle >= WALKING_FROM && damager.chance(SHARE)) {
                    message = damager.damage(message, damage);
                    ++damagedMessages;
                }
                damaged.cycleOn(message, gentleCircle());

                const NaoJoints speedDifference =
                    undamaged.control.getJointsCommands() - damaged.control.getJointsCommands();
                ASSERT_LE(speedDifference.lInfiniteNorm(), SPEED_TOLERANCE) << "cycle " << cycle;
                for (int joint = 0; joint < NaoJoints::NUMBER_OF_JOINTS; ++joint) {
                    ASSERT_NEAR(damaged.plantAngles()[joint], undamaged.plantAngles()[joint], POSTURE_TOLERANCE)
                        << "cycle " << cycle << ", joint " << joint;
                }
            }
            EXPECT_TRUE(undamaged.runs<WalkMovementState>());
            EXPECT_GT(damagedMessages, 15);
        }
    }
}

} // namespace
} // namespace control
