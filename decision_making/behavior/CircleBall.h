#ifndef DECISION_MAKING_BEHAVIOR_CIRCLEBALL_H
#define DECISION_MAKING_BEHAVIOR_CIRCLEBALL_H

#include "decision_making/behavior/Behavior.h"
#include "decision_making/behavior/NavigationHelper.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace decision_making {
namespace behavior {

/// Walks round the ball on a circle, facing it, toward the point of the circle
/// behind the ball with respect to the dribble direction: how the agent lines
/// up for a kick or a dribble.
class CircleBall : public Behavior {
public:
    // What every circle of the team turns and walks by.
    static constexpr double ANGLE_THRESHOLD = 30.0; // degrees
    static constexpr double RADIAL_TOLERANCE = 0.4; // metres

    /// radius (m) of the circle; angleThreshold (degrees): the ball bearing to
    /// the left beyond which the agent only turns; radialTolerance (m): the
    /// distance from the circle within which it also walks round.
    CircleBall(BehaviorFactory* factory, double radius, double angleThreshold, double radialTolerance);

    /// The direction (radians, field frame) the ball is to go: the agent circles to the point behind it.
    void setDribbleDirection(double direction) { dribbleDirection = direction; }
    void setCircleRadius(double radius) { circleRadius = radius; }
    double getRadius() const { return circleRadius; }
    /// For the next step only: turn to this heading (radians) instead of toward the ball.
    void facing(double heading);

    void behave(modeling::Modeling& modeling) override;
    /// A gentler step whose walking speed, when not zero, is at least minimumSpeed (m/s),
    /// even beyond the circling walk's limits.
    void behave(modeling::Modeling& modeling, double minimumSpeed);

    /// The point of the circle behind the ball, facing the dribble direction.
    marlowinds_lib::math::Pose2D getCircleBallPose(const marlowinds_lib::math::Vector2<double>& ball) const;

private:
    void step(modeling::Modeling& modeling, double radialGain, double minimumSpeed);

    NavigationHelper navigationHelper;
    double dribbleDirection = 0.0;
    double angleThreshold;
    double radialTolerance;
    double circleRadius;
    bool facingRequested = false;
    double facingHeading = 0.0;
};

} // namespace behavior
} // namespace decision_making

#endif
