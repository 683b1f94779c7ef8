#include "modeling/BallModel.h"

#include "tests/modeling/GeometryExpectations.h"
#include "tests/modeling/Sightings.h"
#include "tests/support/TeamRadioRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace modeling {
namespace {

using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector3;
using representations::HearData;
using testing::expectNear;
using tests::TeamRadioRecord;

const std::string TEAM = "Marlowinds";
constexpr int AGENT = 5;

/// A teammate's message announcing the ball at (3.5, -1.2).
HearData ballAnnouncedBy(int sender, bool fallen = false, bool ballRelevant = true, bool fromSelf = false,
                         const std::string& team = TEAM) {
    HearData heard(team, 0.0, fromSelf, 0.0,
                   TeamRadioRecord::fieldPlayer(sender, 1.0, 1.0, fallen, 3.5, -1.2, ballRelevant,
                                                TeamRadioRecord::defaultRoles(), sender));
    heard.decode(TEAM);
    return heard;
}

class BallModelTest : public ::testing::Test {
protected:
    void see(double time, const Vector3<double>& point, const HearData& heard = HearData()) {
        const perception::VisibleBall ball = testing::ballAt(point);
        model.update(time, &ball, heard, TEAM, AGENT, stillOdometry, selfPose);
    }
    void miss(double time, const HearData& heard = HearData()) {
        model.update(time, nullptr, heard, TEAM, AGENT, stillOdometry, selfPose);
    }
    /// Seen once, then out of sight until the tracker gives it up.
    void loseTheBall() {
        see(1.0, {2.0, 0.0, 0.04});
        for (int cycle = 0; cycle < 101; ++cycle) {
            miss(1.02 + 0.02 * cycle);
        }
        ASSERT_FALSE(model.getObject().isRelevant());
    }

    BallModel model;
    Pose2D stillOdometry;
    Pose2D selfPose{M_PI / 2.0, -3.0, 1.0};
};

TEST_F(BallModelTest, ASeenBallIsPlacedOnTheFieldWithTheAgentsPose) {
    see(12.5, {2.0, 0.5, 0.04});

    const representations::Ball& ball = model.getObject();
    EXPECT_TRUE(ball.isRelevant());
    EXPECT_EQ(model.getBallSource(), BallModel::SEEN_BALL);
    EXPECT_DOUBLE_EQ(ball.getLastSeenTime(), 12.5);
    expectNear(ball.getLocalPosition(), Pose2D(0.0, 2.0, 0.5), 1e-6);
    // Facing +y from (-3, 1): 2 m ahead and 0.5 m to the left.
    expectNear(model.getObject().getPosition(), Pose2D(M_PI / 2.0, -3.5, 3.0), 1e-6);
}

TEST_F(BallModelTest, ALostBallIsTakenFromAStandingTeammatesMessageOnly) {
    const struct {
        const char* what;
        HearData heard;
        bool relevant;
        const std::string& source;
        bool placed; // at the announced (3.5, -1.2), heard at 9.0
    } cases[] = {
        {"a standing teammate", ballAnnouncedBy(4), true, BallModel::HEARD_BALL, true},
        {"a teammate that does not trust its ball", ballAnnouncedBy(4, false, false), false, BallModel::HEARD_BALL,
         true},
        {"the goalkeeper", ballAnnouncedBy(1), false, BallModel::HEARD_BALL, false},
        {"a fallen teammate", ballAnnouncedBy(4, true), false, BallModel::HEARD_BALL, false},
        {"the agent itself", ballAnnouncedBy(AGENT, false, true, true), false, BallModel::HEARD_BALL, false},
        {"an empty text", HearData(TEAM, 0.0, false, 0.0, ""), false, BallModel::HEARD_BALL, false},
        {"another team", ballAnnouncedBy(4, false, true, false, "Others"), false, BallModel::SEEN_BALL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        model = BallModel();
        ASSERT_NO_FATAL_FAILURE(loseTheBall());
        const Pose2D positionBefore = model.getObject().getPosition();
        const Pose2D localBefore = model.getObject().getLocalPosition();

        miss(9.0, c.heard);

        representations::Ball& ball = model.getObject();
        EXPECT_EQ(ball.isRelevant(), c.relevant);
        EXPECT_EQ(model.getBallSource(), c.source);
        expectNear(ball.getPosition(), c.placed ? Pose2D(0.0, 3.5, -1.2) : positionBefore, 1e-9);
        EXPECT_DOUBLE_EQ(ball.getLastHeardTime(), c.placed ? 9.0 : 0.0);
        EXPECT_EQ(ball.getLocalPosition(), localBefore);
    }
}

TEST_F(BallModelTest, ASeenBallWinsOverAnAnnouncedOne) {
    see(1.0, {1.0, 0.0, 0.04}, ballAnnouncedBy(4));

    EXPECT_EQ(model.getBallSource(), BallModel::SEEN_BALL);
    EXPECT_DOUBLE_EQ(model.getObject().getLastHeardTime(), 0.0);
}

} // namespace
} // namespace modeling
