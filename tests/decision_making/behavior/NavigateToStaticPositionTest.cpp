#include "decision_making/behavior/NavigateToStaticPosition.h"

#include "control/WalkRequest.h"
#include "decision_making/behavior/BehaviorFactory.h"
#include "decision_making/positioning/DelaunayPositioning.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using control::WalkRequest;
using marlowinds_lib::math::Pose2D;
using Position = marlowinds_lib::math::Vector2<double>;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;

const std::vector<int> DEFAULT_ROLES = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

class NavigateToStaticPositionTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setBall(models.world(), Pose2D(0.0, BALL));
        Access::setSelfPose(models.world(), Pose2D(0.3, SELF));
        Access::setOpponent(models.world(), 3, Pose2D(0.0, -9.0, 4.0));
        Access::setOpponent(models.world(), 5, Pose2D(0.0, 16.0, 0.0));
        Access::refreshPlayerLists(models.world());
    }

    /// The agreed role of the agent, number 5, with the others' as by default.
    void agreeOn(int role) {
        std::vector<int> roles = DEFAULT_ROLES;
        roles[5 - 2] = role;
        Access::setSynchronizedRoleAssignmentVector(models.world(), roles);
    }

    Position formationPositionOf(HandBuiltModeling& agent, int number) {
        return formation.getTeamPosition(agent.modeling)[number - 1];
    }

    /// The agent put on its chosen place, facing the ball, steps once more: the walk it is asked for.
    Pose2D velocityOnThePlace(HandBuiltModeling& agent) {
        const Position place(positioning.getDesiredPosX(), positioning.getDesiredPosY());
        Access::setSelfPose(agent.world(), Pose2D((BALL - place).angle(), place));
        Access::refreshPlayerLists(agent.world());
        positioning.behave(agent.modeling);
        return dynamic_cast<const WalkRequest&>(*positioning.getMovementRequest()).getVelocity();
    }

    const Position BALL{1.0, 2.0};
    const Position SELF{2.0, -3.0};
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR};
    HandBuiltModeling models{5};
    BehaviorFactory factory;
    NavigateToStaticPosition& positioning = *factory.getNavigateToStaticPosition();
    positioning::DelaunayPositioning formation{std::string(MARLOWINDS_CONFIGURATION_DIR) + "/formation/"};
};

TEST_F(NavigateToStaticPositionTest, GoesToThePlaceOfItsAgreedRoleFacingTheBall) {
    const Position towardGoal = (Position(-15.0, 0.0) - Position(-9.0, 4.0)).normalize();
    const Position ownFormation = formationPositionOf(models, 5);
    struct Case {
        const char* what;
        int role;
        Position expected;
        bool formationPlace;
    } const cases[] = {
        {"a formation role", 7, formationPositionOf(models, 8), true},
        {"the on-ball role stands back", 9, formationPositionOf(models, 10) - Position(0.75, 0.0), true},
        {"marking a known opponent", 13, Position(-9.0, 4.0) + towardGoal * 1.5, false},
        {"marking an unknown opponent", 14, SELF, false},
        {"marking an opponent off the field", 15, SELF, false},
        {"the vote's 0: no agreement", 0, ownFormation, true},
        {"an id that names no place", 22, ownFormation, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Access::setSelfPose(models.world(), Pose2D(0.3, SELF));
        agreeOn(c.role);

        positioning.behave(models.modeling);

        EXPECT_NEAR(positioning.getDesiredPosX(), c.expected.x, 1e-9);
        EXPECT_NEAR(positioning.getDesiredPosY(), c.expected.y, 1e-9);
        EXPECT_EQ(positioning.isDelaunayPos(), c.formationPlace);
        EXPECT_EQ(positioning.getMovementRequest(), factory.getNavigatePosition()->getMovementRequest());
        const Pose2D still = velocityOnThePlace(models);
        EXPECT_NEAR(still.rotation, 0.0, 1e-9);
        EXPECT_NEAR(still.translation.norm(), 0.0, 1e-9);
    }
    EXPECT_EQ(positioning.getStrategicPosition(models.modeling).translation, ownFormation);
}

TEST_F(NavigateToStaticPositionTest, APlayerWithoutAnEntryInTheRoleVectorTakesItsOwnFormationPosition) {
    HandBuiltModeling goalkeeper(1);
    Access::setPlaySide(goalkeeper.world(), representations::PlaySide::LEFT);
    Access::setBall(goalkeeper.world(), Pose2D(0.0, BALL));
    Access::setSelfPose(goalkeeper.world(), Pose2D(0.0, SELF));

    positioning.behave(goalkeeper.modeling);

    EXPECT_EQ(Position(positioning.getDesiredPosX(), positioning.getDesiredPosY()), formationPositionOf(goalkeeper, 1));
    EXPECT_TRUE(positioning.isDelaunayPos());
}

} // namespace
} // namespace behavior
} // namespace decision_making
