#include "decision_making/behavior/BasicBehavior.h"

#include "decision_making/behavior/BehaviorFactory.h"
#include "tests/decision_making/HandBuiltModeling.h"
#include "tests/decision_making/behavior/SameRequest.h"
#include "tests/decision_making/behavior/ShippedNavigationParams.h"
#include "tests/support/AgentWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace decision_making {
namespace behavior {
namespace {

using marlowinds_lib::math::Pose2D;
using modeling::PlayMode;
using testing::expectSameRequest;
using testing::HandBuiltModeling;
using Access = HandBuiltModeling::Access;
using State = BasicBehavior::State;

/// Starts in any state, also in those no transition enters.
class StartedBasic : public BasicBehavior {
public:
    StartedBasic(int start, BehaviorFactory* factory) : BasicBehavior(factory) { state = start; }
};

class BasicBehaviorTest : public testing::ShippedNavigationParams {
protected:
    void SetUp() override {
        ShippedNavigationParams::SetUp();
        Access::setPlaySide(models.world(), representations::PlaySide::LEFT);
        Access::setPlayMode(models.world(), PlayMode::PLAY_ON);
        models.perceive(0.0);
    }

    /// Without teammates the agent is the one closest to the ball.
    void arrange(const Pose2D& self, const Pose2D& ball) {
        Access::setSelfPose(models.world(), self);
        Access::setBall(models.world(), ball);
        Access::refreshPlayerLists(models.world());
    }

    std::shared_ptr<control::MovementRequest> referenceWalk(const Pose2D& target) {
        BehaviorFactory reference;
        NavigateToPosition& navigation = *reference.getNavigatePosition();
        navigation.setTarget(target);
        navigation.behave(models.modeling, BasicBehavior::TRAVEL_SPEED);
        return navigation.getMovementRequest();
    }

    tests::AgentWorkingDirectory workingDirectory{MARLOWINDS_CONFIGURATION_DIR}; // factories read formations
    HandBuiltModeling models{7};
};

TEST_F(BasicBehaviorTest, TheClosestPlayerGetsBehindTheBallConductsItAndKicksNearTheGoal) {
    // Their goal's centre is (15, 0). With the ball at (5, 0) the behind-ball pose
    // is (4.8, 0), the safe pose (4.5, 0) and the kicking pose (4.933, 0.04), all facing the goal.
    const Pose2D ball(0.0, 5.0, 0.0);
    const struct {
        int start;
        Pose2D self;
        Pose2D ball;
        int next;
    } table[] = {
        {State::START, {0.0, 3.0, 0.0}, ball, State::GET_BEHIND_BALL},
        {7, {0.0, 4.5, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::GET_BEHIND_BALL, {0.0, 5.5, 0.0}, ball, State::BACK_OFF},
        {State::GET_BEHIND_BALL, {0.0, 3.5, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::GET_BEHIND_BALL, {0.35, 4.5, 0.0}, ball, State::TURN_BEHIND_BALL},
        {State::GET_BEHIND_BALL, {-0.1, 4.5, 0.0}, ball, State::CONDUCT},
        // The ball in their goal: facing its centre is facing about the half turn, 8 degrees off either way.
        {State::GET_BEHIND_BALL, {3.1, 15.3, 0.0}, {0.0, 15.5, 0.05}, State::CONDUCT},
        {State::GET_BEHIND_BALL, {-3.1, 15.3, 0.0}, {0.0, 15.5, -0.05}, State::CONDUCT},
        {State::CONDUCT, {0.0, 5.3, 0.0}, ball, State::BACK_OFF},
        {State::CONDUCT, {0.0, 5.1, 0.0}, ball, State::CONDUCT},
        {State::CONDUCT, {0.0, 2.5, 0.0}, ball, State::GET_BEHIND_BALL},
        // Near their goal the agent lines up on its own way to the goal.
        {State::CONDUCT, {0.0, 13.7, 0.0}, {0.0, 13.8, 0.0}, State::GET_TO_KICK},
        {State::CONDUCT, {0.0, 13.0, 0.5}, {0.0, 13.8, 0.0}, State::CONDUCT},
        {State::BACK_OFF, {0.0, 4.45, 0.1}, ball, State::GET_BEHIND_BALL},
        {State::BACK_OFF, {0.0, 3.0, 0.0}, ball, State::BACK_OFF},
        {State::TURN_BEHIND_BALL, {0.5, 2.5, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::TURN_BEHIND_BALL, {0.5, 4.5, 0.0}, ball, State::TURN_BEHIND_BALL},
        {State::TURN_BEHIND_BALL, {0.0, 4.5, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::GET_TO_KICK, {0.0, 3.0, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::GET_TO_KICK, {0.0, 4.9, 0.04}, ball, State::KICK},
        {State::GET_TO_KICK, {0.0, 4.7, 0.0}, ball, State::GET_TO_KICK},
        {State::KICK, {0.0, 3.0, 0.0}, ball, State::GET_BEHIND_BALL},
        {State::KICK, {0.0, 4.6, 0.0}, ball, State::GET_TO_KICK},
        {State::KICK, {0.0, 4.85, 0.04}, ball, State::KICK},
    };
    for (const auto& row : table) {
        const std::string what = "from " + std::to_string(row.start) + " at (" +
                                 std::to_string(row.self.translation.x) + ", " +
                                 std::to_string(row.self.translation.y) + ")";
        arrange(row.self, row.ball);
        BehaviorFactory factory;
        StartedBasic basic(row.start, &factory);
        basic.behave(models.modeling);

        ASSERT_EQ(basic.getState(), row.next) << what;
        const auto request = basic.getMovementRequest();
        switch (row.next) {
        case State::GET_BEHIND_BALL:
        case State::TURN_BEHIND_BALL:
            expectSameRequest(request, referenceWalk(basic.calculateBehindBallPosition(models.modeling)), what);
            break;
        case State::CONDUCT:
            ASSERT_NE(request, nullptr) << what;
            EXPECT_EQ(request, factory.getConductBall()->getMovementRequest()) << what;
            break;
        case State::BACK_OFF:
            expectSameRequest(request, referenceWalk(basic.calculateSafePosition(models.modeling)), what);
            break;
        case State::GET_TO_KICK:
            expectSameRequest(request, referenceWalk(basic.calculateKickingPosition(models.modeling)), what);
            break;
        default:
            ASSERT_NE(request, nullptr) << what;
            EXPECT_EQ(request->getMovementType(), MovementRequestType::KICK) << what;
            break;
        }
    }
}

TEST_F(BasicBehaviorTest, TheKickPosesFaceTheGoalFromBehindTheBall) {
    arrange(Pose2D(0.0, 3.0, 0.0), Pose2D(0.0, 5.0, 0.0));
    BasicBehavior basic;
    const struct {
        Pose2D pose;
        Pose2D expected;
    } poses[] = {
        {basic.calculateBehindBallPosition(models.modeling), {0.0, 4.8, 0.0}},
        {basic.calculateSafePosition(models.modeling), {0.0, 4.5, 0.0}},
        {basic.calculateKickingPosition(models.modeling), {0.0, 5.0 - 1.0 / 15.0, 0.04}},
    };
    for (const auto& p : poses) {
        EXPECT_NEAR(p.pose.rotation, p.expected.rotation, 1e-12);
        EXPECT_NEAR(p.pose.translation.x, p.expected.translation.x, 1e-12);
        EXPECT_NEAR(p.pose.translation.y, p.expected.translation.y, 1e-12);
    }
    // Off the axis the poses lie on the line from the goal through the ball.
    arrange(Pose2D(0.0, 3.0, 0.0), Pose2D(0.0, 5.0, 4.0));
    const Pose2D behind = basic.calculateBehindBallPosition(models.modeling);
    EXPECT_NEAR(behind.rotation, std::atan2(-4.0, 10.0), 1e-12);
    EXPECT_NEAR(behind.translation.y - 4.0, 0.2 * 4.0 / std::hypot(10.0, 4.0), 1e-12);
}

TEST_F(BasicBehaviorTest, AKickThatDoesNotSendTheBallAwayWithinFiveSecondsBacksOff) {
    arrange(Pose2D(0.0, 4.9, 0.04), Pose2D(0.0, 5.0, 0.0));
    BehaviorFactory factory;
    StartedBasic basic(State::GET_TO_KICK, &factory);
    models.perceive(1.0);
    basic.behave(models.modeling);
    ASSERT_EQ(basic.getState(), State::KICK);
    models.perceive(6.0);
    basic.behave(models.modeling);
    EXPECT_EQ(basic.getState(), State::KICK);
    models.perceive(6.04);
    basic.behave(models.modeling);
    EXPECT_EQ(basic.getState(), State::BACK_OFF);
}

TEST_F(BasicBehaviorTest, EveryOtherPlayerTakesItsRolesPlace) {
    arrange(Pose2D(0.0, -8.0, -6.0), Pose2D(0.0, 5.0, 0.0));
    Access::setTeammate(models.world(), 2, Pose2D(0.0, 4.0, 0.0));
    Access::refreshPlayerLists(models.world());
    BehaviorFactory factory;
    BasicBehavior& basic = *factory.getBasicBehavior();
    ::testing::internal::CaptureStdout(); // the closest player is not yet agreed
    basic.behave(models.modeling);
    ::testing::internal::GetCapturedStdout();
    ASSERT_NE(basic.getMovementRequest(), nullptr);
    EXPECT_EQ(basic.getMovementRequest(), factory.getNavigateToStaticPosition()->getMovementRequest());
    EXPECT_EQ(basic.getState(), State::START);
}

} // namespace
} // namespace behavior
} // namespace decision_making
