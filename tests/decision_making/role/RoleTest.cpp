// The two roles: the movement each chooses by play mode, and what both do
// after it (the head, the search turn when the ball is lost, the radio), cycle after cycle.
#include "decision_making/role/Role.h"

#include "control/WalkRequest.h"
#include "decision_making/role/AttackingRole.h"
#include "decision_making/role/GoalieRole.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace decision_making {
namespace role {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

/// The movement the role's own behaviours made in this cycle, before any search turn.
std::shared_ptr<control::MovementRequest> behaviourMovement(Role& role, int mode) {
    behavior::BehaviorFactory& factory = role.getBehaviorFactory();
    if (dynamic_cast<GoalieRole*>(&role) != nullptr) {
        return factory.getGoalieBehavior()->getMovementRequest();
    }
    if (mode == PlayMode::PLAY_ON) {
        return factory.getAttackBehavior()->getMovementRequest();
    }
    return factory.getSetPlay()->getMovementRequest();
}

/// The role the uniform number plays.
std::unique_ptr<Role> roleOf(int number) {
    if (number == 1) {
        return std::make_unique<GoalieRole>();
    }
    return std::make_unique<AttackingRole>();
}

bool isSearchTurn(const std::shared_ptr<control::MovementRequest>& request) {
    const auto walk = std::dynamic_pointer_cast<control::WalkRequest>(request);
    return walk != nullptr && walk->getVelocity().rotation == Role::SEARCH_TURN_SPEED &&
           walk->getVelocity().translation.x == 0.0 && walk->getVelocity().translation.y == 0.0 &&
           walk->getWalkMode() == control::WalkRequest::decideWalkMode(walk->getVelocity());
}

class RoleTest : public testing::ShippedNavigationParams {
protected:
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // roles read formations
};

/// One role through every play mode, and a value that names none: the attack
/// while the ball is in play, the set plays otherwise, each output taken from
/// the behaviour that made it in that cycle, or that the set play keeps.
TEST_F(RoleTest, TheBallInPlayIsAttackedAndEveryOtherModeIsASetPlay) {
    HandBuiltModeling models(7);
    Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    Access::setSelfPose(models.world(), Pose2D(0.0, -8.0, -6.0));
    Access::setBall(models.world(), Pose2D(0.0, 3.0, 2.0));
    Access::refreshPlayerLists(models.world());
    AttackingRole role;
    behavior::BehaviorFactory& factory = role.getBehaviorFactory();
    for (int mode = PlayMode::BEFORE_KICK_OFF; mode <= PlayMode::NONE + 1; ++mode) {
        const std::string what = "mode " + std::to_string(mode);
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(mode));
        role.execute(models.modeling);

        if (mode == PlayMode::PLAY_ON || mode == PlayMode::OWN_PASS || mode == PlayMode::THEIR_PASS) {
            behavior::AttackBehavior& attack = *factory.getAttackBehavior();
            ASSERT_NE(role.getMovementRequest(), nullptr) << what;
            EXPECT_EQ(role.getMovementRequest(), attack.getMovementRequest()) << what;
            EXPECT_EQ(role.getPassRequest(), attack.getPassRequest()) << what;
            EXPECT_EQ(role.getBeamRequest(), nullptr) << what;
        } else {
            behavior::SetPlay& setPlay = *factory.getSetPlay();
            EXPECT_EQ(role.getMovementRequest(), setPlay.getMovementRequest()) << what;
            EXPECT_EQ(role.getBeamRequest(), setPlay.getBeamRequest()) << what;
            // Beaming came first: every later set play hands the kept pose on.
            EXPECT_NE(role.getBeamRequest(), nullptr) << what;
            EXPECT_FALSE(role.getPassRequest()) << what;
        }
    }
}

TEST_F(RoleTest, TheGoalkeeperKeepsGoalInEveryModeAndBeamsOnlyBeforeKickOffAndAfterGoals) {
    HandBuiltModeling models(1);
    Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
    Access::setSelfPose(models.world(), Pose2D(0.0, -13.0, 2.0));
    Access::setBall(models.world(), Pose2D(0.0, -5.0, 1.0));
    Access::refreshPlayerLists(models.world());
    GoalieRole role;
    behavior::BehaviorFactory& factory = role.getBehaviorFactory();
    for (int mode = PlayMode::BEFORE_KICK_OFF; mode <= PlayMode::NONE + 1; ++mode) {
        const std::string what = "mode " + std::to_string(mode);
        Access::setPlayMode(models.world(), static_cast<PlayMode::PLAY_MODE>(mode));
        role.execute(models.modeling);

        ASSERT_NE(role.getMovementRequest(), nullptr) << what;
        EXPECT_EQ(role.getMovementRequest(), factory.getGoalieBehavior()->getMovementRequest()) << what;
        EXPECT_FALSE(role.getPassRequest()) << what;
        if (mode == PlayMode::BEFORE_KICK_OFF || mode == PlayMode::OWN_GOAL || mode == PlayMode::THEIR_GOAL) {
            ASSERT_NE(role.getBeamRequest(), nullptr) << what;
            EXPECT_EQ(role.getBeamRequest(), factory.getBeamBehavior()->getBeamRequest()) << what;
            EXPECT_EQ(role.getBeamRequest()->translation.x, -14.9) << what;
        } else {
            EXPECT_EQ(role.getBeamRequest(), nullptr) << what;
        }
    }
}

TEST_F(RoleTest, ALostBallTurnsTheAgentOnTheSpotAfterAWaitFixedByItsFirstCycle) {
    const struct {
        int number;
        PlayMode::PLAY_MODE mode;
        bool teammateAtFirst;
        int turnCycle; // the first cycle without a relevant ball that turns
    } cases[] = {
        {7, PlayMode::PLAY_ON, true, 11}, {7, PlayMode::THEIR_KICK_IN, true, 11},    {7, PlayMode::PLAY_ON, false, 31},
        {1, PlayMode::PLAY_ON, true, 11}, {1, PlayMode::BEFORE_KICK_OFF, false, 31},
    };
    for (const auto& c : cases) {
        const std::string what = "number " + std::to_string(c.number) + " in mode " + std::to_string(c.mode) +
                                 (c.teammateAtFirst ? " with a teammate" : " alone");
        HandBuiltModeling models(c.number);
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), c.mode);
        Access::setSelfPose(models.world(), Pose2D(0.0, -6.0, 1.0));
        Access::setTeammate(models.world(), 4, Pose2D(0.0, -3.0, 2.0));
        if (!c.teammateAtFirst) {
            Access::forgetTeammate(models.world(), 4);
        }
        Access::refreshPlayerLists(models.world());
        const std::unique_ptr<Role> role = roleOf(c.number);

        int cycle = 0;
        // Two losses of the ball with one cycle of a relevant ball between them.
        for (int loss = 0; loss < 2; ++loss) {
            for (int lost = 1; lost <= c.turnCycle + 2; ++lost) {
                Access::setBall(models.world(), Pose2D(0.0, -4.0, 0.0), false);
                models.perceive(0.02 * cycle++);
                role->execute(models.modeling);
                const bool turning = lost >= c.turnCycle;
                EXPECT_EQ(isSearchTurn(role->getMovementRequest()), turning) << what << ", lost cycle " << lost;
                if (!turning) {
                    EXPECT_EQ(role->getMovementRequest(), behaviourMovement(*role, c.mode)) << what << ", " << lost;
                }
                EXPECT_EQ(role->getLookRequest(), role->getBehaviorFactory().getFocusBall()->getLookRequest()) << what;
                ASSERT_NE(role->getLookRequest(), nullptr) << what;
                // Teammates that show up later leave the wait as the first cycle fixed it.
                Access::setTeammate(models.world(), 4, Pose2D(0.0, -3.0, 2.0));
                Access::refreshPlayerLists(models.world());
            }
            Access::setBall(models.world(), Pose2D(0.0, -4.0, 0.0), true);
            models.perceive(0.02 * cycle++);
            role->execute(models.modeling);
            EXPECT_FALSE(isSearchTurn(role->getMovementRequest())) << what << ", ball found";
        }
    }
}

TEST_F(RoleTest, TheAgentSpeaksInItsOwnSlotOnly) {
    for (const int number : {1, 5}) {
        HandBuiltModeling models(number);
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), PlayMode::PLAY_ON);
        Access::setBall(models.world(), Pose2D(0.0, 2.0, 1.0));
        const std::unique_ptr<Role> role = roleOf(number);
        const int slot = number == 1 ? 0 : 2 * number - 2;
        for (int cycle = 0; cycle < 2 * behavior::Say::SLOTS; ++cycle) {
            models.perceive(0.02 * cycle);
            role->execute(models.modeling);
            const auto said = role->getSayMessage();
            EXPECT_EQ(said, role->getBehaviorFactory().getSay()->getSayMessage()) << number << ", cycle " << cycle;
            EXPECT_EQ(said != nullptr, cycle % behavior::Say::SLOTS == slot) << number << ", cycle " << cycle;
        }
    }
}

} // namespace
} // namespace role
} // namespace decision_making
