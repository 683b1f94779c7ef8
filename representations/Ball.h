#ifndef REPRESENTATIONS_BALL_H
#define REPRESENTATIONS_BALL_H

#include "marlowinds_lib/math/Pose2D.h"

namespace representations {

/// The ball as the world model estimates it. The pose getters hand out the
/// stored poses so that the ball model can change them in place.
class Ball {
public:
    /// A value far outside the field that stands in for a broken estimate.
    static constexpr double INVALID_POSITION = 100.0;

    Ball() = default;
    virtual ~Ball() = default;

    /// A position with a NaN component is replaced, and stays replaced, by INVALID_POSITION.
    marlowinds_lib::math::Pose2D& getPosition();
    marlowinds_lib::math::Pose2D& getLocalPosition() { return localPosition; }
    const marlowinds_lib::math::Pose2D& getLocalPosition() const { return localPosition; }
    marlowinds_lib::math::Pose2D& getVelocity() { return velocity; }
    const marlowinds_lib::math::Pose2D& getVelocity() const { return velocity; }
    marlowinds_lib::math::Pose2D& getLocalVelocity() { return localVelocity; }
    const marlowinds_lib::math::Pose2D& getLocalVelocity() const { return localVelocity; }

    void setPosition(const marlowinds_lib::math::Pose2D& pose) { position = pose; }
    void setLocalPosition(const marlowinds_lib::math::Pose2D& pose) { localPosition = pose; }
    void setVelocity(const marlowinds_lib::math::Pose2D& pose) { velocity = pose; }
    void setLocalVelocity(const marlowinds_lib::math::Pose2D& pose) { localVelocity = pose; }

    bool isRelevant() const { return relevant; }
    void setRelevant(bool isRelevant) { relevant = isRelevant; }
    double getLastSeenTime() const { return lastSeenTime; }
    void setLastSeenTime(double time) { lastSeenTime = time; }
    double getLastHeardTime() const { return lastHeardTime; }
    void setLastHeardTime(double time) { lastHeardTime = time; }

    /// Seconds since the last sighting.
    double getAge(double now) const { return now - lastSeenTime; }

private:
    marlowinds_lib::math::Pose2D position;
    marlowinds_lib::math::Pose2D localPosition;
    marlowinds_lib::math::Pose2D velocity;
    marlowinds_lib::math::Pose2D localVelocity;
    bool relevant = true;
    double lastSeenTime = 0.0;
    double lastHeardTime = 0.0;
};

} // namespace representations

#endif
