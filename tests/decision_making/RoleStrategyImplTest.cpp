#include "decision_making/RoleStrategyImpl.h"

#include "decision_making/role/AttackingRole.h"
#include "decision_making/role/GoalieRole.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

namespace decision_making {
namespace {

using testing::HandBuiltModeling;

TEST(RoleStrategyImplTest, TheUniformNumberFixesTheRoleBuiltOnFirstUse) {
    const tests::AgentWorkingDirectory workingDirectory(MARLOWINDS_CONFIGURATION_DIR); // roles read formations
    for (int number = 1; number <= RoleStrategyImpl::NUMBER_OF_PLAYERS; ++number) {
        HandBuiltModeling models(number);
        RoleStrategyImpl strategy;
        role::Role* const role = strategy.getRole(models.modeling);
        ASSERT_NE(role, nullptr) << number;
        if (number == 1) {
            EXPECT_NE(dynamic_cast<role::GoalieRole*>(role), nullptr) << number;
        } else {
            EXPECT_NE(dynamic_cast<role::AttackingRole*>(role), nullptr) << number;
        }
        EXPECT_EQ(strategy.getRole(models.modeling), role) << number << ": a later cycle plays the same role";
    }
}

} // namespace
} // namespace decision_making
