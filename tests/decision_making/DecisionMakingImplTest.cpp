// The decision cycle: getting up, the proposal of who goes where, and the
// role's outputs handed on, from hand-built world states.
#include "decision_making/DecisionMakingImpl.h"

#include "control/KeyframeRequest.h"
#include "decision_making/RoleStrategy.h"
#include "decision_making/role/Role.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/modeling/AllocationCounter.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace decision_making {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

/// A role that, on request, leaves every output it can set, or none.
class EveryOutputRole : public role::Role {
public:
    bool everyOutput = true;

protected:
    void behaveMovement(modeling::Modeling& /*modeling*/) override {
        if (everyOutput) {
            movementRequest = std::make_shared<control::KeyframeRequest>("getReady", false);
            beamRequest = std::make_shared<Pose2D>(0.0, -4.0, 2.0);
            passRequest = true;
        }
    }
    void behaveSay(modeling::Modeling& /*modeling*/) override {
        if (everyOutput) {
            sayMessage = std::make_shared<std::string>("IAAAAAACIZCmOhKi");
        }
    }
};

/// Hands out its one role and counts how often it was asked.
class CountingStrategy : public RoleStrategy {
public:
    role::Role* getRole(modeling::Modeling& /*modeling*/) override {
        ++calls;
        return &role;
    }

    EveryOutputRole role;
    int calls = 0;
};

class DecisionMakingImplTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        strategy = std::make_shared<CountingStrategy>();
        decision = std::make_unique<DecisionMakingImpl>(strategy);
    }

    /// The agent and the ten teammates spread over the own half, an opponent at the ball.
    static void placeEveryone(HandBuiltModeling& models) {
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), PlayMode::PLAY_ON);
        const int self = models.modeling.getAgentModel().getAgentNumber();
        for (int number = 1; number <= 11; ++number) {
            const Pose2D pose(0.0, -14.0 + 1.2 * number, 0.7 * (number % 4) - 1.0);
            if (number == self) {
                Access::setSelfPose(models.world(), pose);
            } else {
                Access::setTeammate(models.world(), number, pose);
            }
        }
        Access::setBall(models.world(), Pose2D(0.0, 2.0, 1.0));
        Access::setOpponent(models.world(), 9, Pose2D(0.0, 2.3, 1.0));
        Access::refreshPlayerLists(models.world());
    }

    /// The role vector holds a marking role once the agent proposed who marks the opponent at the ball.
    static bool rolesProposed(HandBuiltModeling& models) {
        const std::vector<int> roles = models.world().getMyRoleAssignmentVector();
        return std::any_of(roles.begin(), roles.end(), [](int role) { return role > 10; });
    }

    void expectTheRolesOutputs(const std::string& what) {
        EXPECT_EQ(decision->getMovementRequest(), strategy->role.getMovementRequest()) << what;
        EXPECT_EQ(decision->getLookRequest(), strategy->role.getLookRequest()) << what;
        EXPECT_EQ(decision->getSayMessage(), strategy->role.getSayMessage()) << what;
        EXPECT_EQ(decision->getBeamRequest(), strategy->role.getBeamRequest()) << what;
        EXPECT_EQ(decision->getPassRequest(), strategy->role.getPassRequest()) << what;
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // reads formations
    std::shared_ptr<CountingStrategy> strategy;
    std::unique_ptr<DecisionMakingImpl> decision;
};

TEST_F(DecisionMakingImplTest, EachStandingCycleHandsOnOnlyWhatTheRoleMadeInIt) {
    HandBuiltModeling models(5);
    placeEveryone(models);
    for (int cycle = 0; cycle < 6; ++cycle) {
        models.perceive(0.02 * cycle);
        strategy->role.everyOutput = cycle % 3 == 0;
        decision->decide(models.modeling);

        const std::string what = "cycle " + std::to_string(cycle);
        expectTheRolesOutputs(what);
        ASSERT_NE(decision->getLookRequest(), nullptr) << what;
        EXPECT_EQ(decision->getSayMessage() != nullptr, strategy->role.everyOutput) << what;
        EXPECT_EQ(decision->getBeamRequest() != nullptr, strategy->role.everyOutput) << what;
        EXPECT_EQ(decision->getPassRequest(), strategy->role.everyOutput) << what;
    }
    EXPECT_EQ(strategy->calls, 6);
}

TEST_F(DecisionMakingImplTest, AFallenAgentOnlyGetsUpAndNeitherPlaysItsRoleNorProposesRoles) {
    HandBuiltModeling models(5);
    placeEveryone(models);
    models.perceive(0.0);
    decision->decide(models.modeling);
    ASSERT_TRUE(rolesProposed(models));
    const std::vector<int> proposed = models.world().getMyRoleAssignmentVector();
    // The opponent moves, which would change the proposal.
    Access::setOpponent(models.world(), 9, Pose2D(0.0, -3.0, -2.0));
    Access::refreshPlayerLists(models.world());
    // The accelerometer filter needs a few cycles to settle on the new reading.
    for (int cycle = 1; cycle < 50; ++cycle) {
        models.perceive(0.02 * cycle, true);
    }

    decision->decide(models.modeling);

    EXPECT_EQ(strategy->calls, 1);
    EXPECT_EQ(models.world().getMyRoleAssignmentVector(), proposed);
    const auto keyframe = std::dynamic_pointer_cast<control::KeyframeRequest>(decision->getMovementRequest());
    ASSERT_NE(keyframe, nullptr);
    EXPECT_EQ(keyframe->getName(), "standUpFromFront");
    ASSERT_NE(decision->getLookRequest(), nullptr);
    EXPECT_EQ(decision->getLookRequest()->getPan(), 0.0);
    EXPECT_EQ(decision->getLookRequest()->getTilt(), 0.0);
    // What the last standing cycle said, beamed and passed is not sent again.
    EXPECT_EQ(decision->getSayMessage(), nullptr);
    EXPECT_EQ(decision->getBeamRequest(), nullptr);
    EXPECT_FALSE(decision->getPassRequest());
}

TEST_F(DecisionMakingImplTest, OnlyAFieldPlayerThatKnowsEveryTeammateProposesRoles) {
    const struct {
        int number;
        int forgotten; // a teammate not known in the cycle; 0 for none
        bool proposes;
    } cases[] = {{5, 0, true}, {11, 0, true}, {5, 8, false}};
    for (const auto& c : cases) {
        const std::string what = "number " + std::to_string(c.number) + " forgetting " + std::to_string(c.forgotten);
        HandBuiltModeling models(c.number);
        placeEveryone(models);
        if (c.forgotten != 0) {
            Access::forgetTeammate(models.world(), c.forgotten);
            Access::refreshPlayerLists(models.world());
        }
        models.perceive(0.0);
        const int callsBefore = strategy->calls;

        decision->decide(models.modeling);

        EXPECT_EQ(rolesProposed(models), c.proposes) << what;
        EXPECT_EQ(strategy->calls, callsBefore + 1) << what << ": the role plays all the same";
    }
}

TEST_F(DecisionMakingImplTest, AWarmCycleAllocatesOnlyTheRequestsItHandsOn) {
    if (!modeling::testing::AllocationCounter::isAvailable()) {
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    HandBuiltModeling models(6);
    placeEveryone(models);
    DecisionMakingImpl byNumber;
    long allocations = 0;
    long allowed = 0;
    for (int cycle = 0; cycle < 3 * behavior::Say::SLOTS; ++cycle) {
        models.perceive(0.02 * cycle);
        Access::setBall(models.world(), Pose2D(0.0, 2.0 - 0.05 * cycle, 1.0));
        const long before = modeling::testing::AllocationCounter::count();
        byNumber.decide(models.modeling);
        const long made = modeling::testing::AllocationCounter::count() - before;
        if (cycle >= behavior::Say::SLOTS) { // the role is built in the first cycle
            allocations += made;
            // A movement and a look request, and the text said with its pointer.
            allowed += 2 + (byNumber.getSayMessage() != nullptr ? 2 : 0);
        }
    }
    EXPECT_LE(allocations, allowed);
}

} // namespace
} // namespace decision_making
