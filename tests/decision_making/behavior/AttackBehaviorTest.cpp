#include "decision_making/behavior/AttackBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/RecordingDrawing.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using testing::HandBuiltModeling;
using testing::RecordingDrawing;
using Access = HandBuiltModeling::Access;

/// Until the team's first vote, number 10 is the player it agrees is closest to the ball.
constexpr int CLOSEST = 10;
constexpr int NOT_CLOSEST = 7;

struct Opponent {
    Vector2<double> position;
    bool fallen;
};

/// One attacking player with the ball, its teammate far away (none in a
/// penalty) and the opponents given.
class AttackScene {
public:
    AttackScene(int number, const Pose2D& self, const Vector2<double>& ball, bool penalty,
                const std::vector<Opponent>& opponents)
        : models(number) {
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setSelfPose(models.world(), self);
        Access::setBall(models.world(), Pose2D(0.0, ball));
        if (!penalty) {
            Access::setTeammate(models.world(), number == 2 ? 3 : 2, Pose2D(0.0, -14.0, 9.0));
        }
        int id = 2;
        for (const Opponent& opponent : opponents) {
            Access::setOpponent(models.world(), id++, Pose2D(0.0, opponent.position), opponent.fallen);
        }
        Access::refreshPlayerLists(models.world());
    }

    void step() { attack.behave(models.modeling); }

    /// The partner whose movement request the attack took over.
    std::string branch() {
        const auto request = attack.getMovementRequest();
        const struct {
            const Behavior* partner;
            const char* name;
        } partners[] = {
            {factory.getKickBehavior(), "kick"},
            {factory.getDribbleBall(), "dribble"},
            {factory.getNavigateToBall(), "to ball"},
            {factory.getNavigateToStaticPosition(), "position"},
        };
        for (const auto& candidate : partners) {
            if (request != nullptr && request == candidate.partner->getMovementRequest()) {
                return candidate.name;
            }
        }
        return "none";
    }

    HandBuiltModeling models;
    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // the factory reads formations
    BehaviorFactory factory;
    AttackBehavior& attack = *factory.getAttackBehavior();
};

class AttackBehaviorTest : public testing::ShippedNavigationParams {};

TEST_F(AttackBehaviorTest, TheClosestPlayerKicksPassesDribblesOrWalksToTheBallAndTheOthersTakeTheirPlaces) {
    const struct {
        int number;
        Pose2D self;
        Vector2<double> ball;
        bool penalty;
        std::vector<Opponent> opponents;
        const char* branch;
        bool pass;
    } table[] = {
        {NOT_CLOSEST, {0.0, -5.0, 0.0}, {-4.5, 0.0}, false, {}, "position", false},
        // Kicks from 10 m to 20 m are passes only with an opponent within 2 m of the ball.
        {CLOSEST, {0.0, -5.0, 0.0}, {-4.5, 0.0}, false, {}, "kick", false},
        {CLOSEST, {0.0, -5.0, 0.0}, {-4.5, 0.0}, false, {{{-4.5, 2.0}, true}}, "kick", true},
        {CLOSEST, {0.0, -5.01, 0.0}, {-4.5, 0.0}, false, {}, "kick", true},
        {CLOSEST, {0.0, 5.0, 0.0}, {5.5, 0.0}, false, {{{5.5, 1.5}, false}}, "kick", true},
        {CLOSEST, {0.0, 5.01, 0.0}, {5.5, 0.0}, false, {{{5.5, 1.5}, false}}, "kick", false},
        // Near their goal: no kick.
        {CLOSEST, {0.0, 10.0, 0.0}, {10.5, 0.0}, false, {}, "kick", false},
        {CLOSEST, {0.0, 10.01, 0.0}, {10.5, 0.0}, false, {}, "dribble", false},
        {CLOSEST, {0.0, 10.01, 0.0}, {11.01, 0.0}, false, {}, "to ball", false},
        // A standing opponent within 1 m of the agent stops the kick; a fallen one does not.
        {CLOSEST, {0.0, 0.0, 0.0}, {1.0, 0.0}, false, {{{0.0, 1.0}, false}}, "to ball", false},
        {CLOSEST, {0.0, 0.0, 0.0}, {0.5, 0.0}, false, {{{0.0, 1.0}, false}}, "dribble", false},
        // Each then near enough the ball to make the kick a pass, fallen or not.
        {CLOSEST, {0.0, 0.0, 0.0}, {0.5, 0.0}, false, {{{0.0, 1.01}, false}}, "kick", true},
        {CLOSEST, {0.0, 0.0, 0.0}, {0.5, 0.0}, false, {{{0.0, 0.3}, true}}, "kick", true},
        // In a penalty only the distance to their goal counts.
        {CLOSEST, {0.0, 9.3, 0.0}, {9.5, 0.0}, true, {}, "dribble", false},
        {CLOSEST, {0.0, 9.31, 0.0}, {9.5, 0.0}, true, {{{9.3, 0.3}, false}}, "kick", false},
        {CLOSEST, {0.0, 14.0, 0.0}, {14.5, 0.0}, true, {}, "kick", false},
    };
    for (const auto& row : table) {
        AttackScene scene(row.number, row.self, row.ball, row.penalty, row.opponents);
        scene.step();
        EXPECT_EQ(scene.branch(), row.branch) << "number " << row.number << " at " << row.self.translation.x;
        EXPECT_EQ(scene.attack.getPassRequest(), row.pass)
            << "number " << row.number << " at " << row.self.translation.x;
    }
}

TEST_F(AttackBehaviorTest, APlayerNotClosestLeavesTheKickTargetsUndrawn) {
    RecordingDrawing drawing;
    AttackScene scene(NOT_CLOSEST, Pose2D(0.0, -5.0, 0.0), Vector2<double>(0.0, 0.0), false, {});
    scene.step();

    std::vector<std::string> kickTargets;
    for (const testing::DrawCall& call : drawing.calls) {
        if (call.set == "kickTargets") {
            kickTargets.push_back(call.shape);
        }
    }
    EXPECT_EQ(kickTargets, std::vector<std::string>{"swap"});
}

TEST_F(AttackBehaviorTest, AfterLiningUpPreciselyTheClosestPlayerKicksEvenNearTheirGoal) {
    // The fast kick toward the goal's centre stands here, 3 m from it.
    const Vector2<double> ball(12.0, 0.0);
    AttackScene scene(CLOSEST, Pose2D(0.0, -3.0, 0.0), ball, false, {});
    KickBehavior& approach = *scene.factory.getKickBehavior();
    approach.setTarget(Vector2<double>(15.0, 0.0));
    approach.behave(scene.models.modeling);
    const Vector2<double> kickPose = ball + approach.getKickParameters().getRelativeSelfPosition();
    Access::setSelfPose(scene.models.world(), Pose2D(0.0, kickPose + Vector2<double>(0.02, 0.0)));
    approach.behave(scene.models.modeling);
    ASSERT_TRUE(approach.isPreciseMode());

    scene.step();
    EXPECT_EQ(scene.branch(), "kick");

    // On the pose the kick starts; the cycle after it is no longer precise, and the agent dribbles.
    Access::setSelfPose(scene.models.world(), Pose2D(0.0, kickPose));
    scene.step();
    EXPECT_EQ(approach.getState(), KickBehavior::KICK);
    scene.step();
    EXPECT_EQ(scene.branch(), "dribble");
}

} // namespace
} // namespace behavior
} // namespace decision_making
