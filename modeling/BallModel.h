#ifndef MODELING_BALLMODEL_H
#define MODELING_BALLMODEL_H

#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/BallTracker.h"
#include "perception/VisibleBall.h"
#include "representations/Ball.h"
#include "representations/HearData.h"

#include <string>

namespace modeling {

/// The agent's picture of the ball: tracked in the robot frame from the
/// sightings and the walk odometry, placed on the field with the agent's own
/// pose, and taken from a teammate's team message when the tracker has no
/// usable ball.
class BallModel {
public:
    static const std::string SEEN_BALL;
    static const std::string HEARD_BALL;

    BallModel() = default;
    virtual ~BallModel() = default;

    /// One cycle. visibleBall is null when the ball was not seen; odometry is
    /// the agent's displacement since the previous cycle and selfPose its
    /// global pose of this cycle. agentNumber is not used.
    void update(double time, const perception::VisibleBall* visibleBall, const representations::HearData& hearData,
                const std::string& teamName, int agentNumber, const marlowinds_lib::math::Pose2D& odometry,
                const marlowinds_lib::math::Pose2D& selfPose);
    /// Takes the ball a standing field player (not the goalkeeper, not the
    /// agent itself) announced; answers whether it marked that ball relevant.
    /// Only time and hearData are used.
    bool update(double time, const representations::HearData& hearData, const std::string& teamName,
                const marlowinds_lib::math::Pose2D& odometry, const marlowinds_lib::math::Pose2D& selfPose);

    representations::Ball& getObject() { return ball; }
    const representations::Ball& getObject() const { return ball; }
    /// Where the last estimate came from: SEEN_BALL, HEARD_BALL, or empty before the first.
    const std::string& getBallSource() const { return ballSource; }

    /// Annotates a relevant ball with its source and field position at the given place.
    void drawBallInformation(const std::string& source, const marlowinds_lib::math::Pose2D& position, int number);

private:
    state_estimation::BallTracker ballTracker;
    representations::Ball ball;
    std::string ballSource;
};

} // namespace modeling

#endif
