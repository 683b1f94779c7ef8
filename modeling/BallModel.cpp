#include "modeling/BallModel.h"

#include "modeling/FieldFrame.h"
#include "modeling/OtherPlayerModel.h"
#include "utils/debug/DebuggingUtils.h"
#include "utils/roboviz/Roboviz.h"

#include <cstdio>

namespace modeling {

using marlowinds_lib::math::Pose2D;

const std::string BallModel::SEEN_BALL = "Seen Ball";
const std::string BallModel::HEARD_BALL = "Heard Ball";

void BallModel::update(double time, const perception::VisibleBall* visibleBall,
                       const representations::HearData& hearData, const std::string& teamName, int /*agentNumber*/,
                       const Pose2D& odometry, const Pose2D& selfPose) {
    if (visibleBall != nullptr) {
        ballTracker.update(odometry, visibleBall);
        ball.setLastSeenTime(time);
    } else {
        ballTracker.update(odometry);
    }

    const Pose2D position = ballTracker.getPosition();
    const Pose2D velocity = ballTracker.getVelocity();
    if (utils::isPose2DNotANumber(position) || utils::isPose2DNotANumber(velocity)) {
        ball.setRelevant(false);
    } else {
        const Pose2D localPosition(0.0, position.translation);
        const Pose2D localVelocity(0.0, velocity.translation);
        ball.setLocalPosition(localPosition);
        ball.setPosition(FieldFrame::toFieldPosition(selfPose, localPosition));
        ball.setLocalVelocity(localVelocity);
        ball.setVelocity(FieldFrame::toFieldVelocity(selfPose, localVelocity));
        ball.setRelevant(!ballTracker.hasLostBall());
        ballSource = SEEN_BALL;
    }
    if (ball.isRelevant() || hearData.getTeam() != teamName) {
        return;
    }
    ball.setRelevant(update(time, hearData, teamName, odometry, selfPose));
    ballSource = HEARD_BALL;
}

bool BallModel::update(double time, const representations::HearData& hearData, const std::string& /*teamName*/,
                       const Pose2D& /*odometry*/, const Pose2D& /*selfPose*/) {
    const int sender = hearData.getUniformNumber();
    // The goalkeeper's record carries no ball.
    if (hearData.isFromSelf() || hearData.getMessage().empty() || hearData.isFallen() ||
        !OtherPlayerModel::isUniformNumber(sender) || sender == representations::HearData::GOALIE_NUMBER) {
        return false;
    }
    ball.setPosition(Pose2D(0.0, hearData.getHeardBallXPosition(), hearData.getHeardBallYPosition()));
    ball.setLastHeardTime(time);
    return hearData.isHeardBallRelevant();
}

void BallModel::drawBallInformation(const std::string& source, const Pose2D& position, int number) {
    if (!ball.isRelevant()) {
        return;
    }
    const Pose2D& field = ball.getPosition();
    char coordinates[64];
    std::snprintf(coordinates, sizeof coordinates, " %f %f", field.translation.x, field.translation.y);
    const std::string name = std::to_string(number);
    utils::roboviz::Roboviz* roboviz = utils::roboviz::Roboviz::getInstance();
    roboviz->drawAnnotation(name, source + coordinates, static_cast<float>(position.translation.x),
                            static_cast<float>(position.translation.y), 0.8f,
                            source == SEEN_BALL ? utils::roboviz::Roboviz::WHITE : utils::roboviz::Roboviz::RED);
    roboviz->swapBuffers(name);
}

} // namespace modeling
