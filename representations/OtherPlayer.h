#ifndef REPRESENTATIONS_OTHERPLAYER_H
#define REPRESENTATIONS_OTHERPLAYER_H

#include "marlowinds_lib/math/Pose2D.h"

namespace representations {

/// A teammate or an opponent as the world model knows it.
class OtherPlayer {
public:
    OtherPlayer() = default;
    OtherPlayer(const marlowinds_lib::math::Pose2D& position, const marlowinds_lib::math::Pose2D& velocity)
        : position(position), velocity(velocity) {}
    virtual ~OtherPlayer() = default;

    marlowinds_lib::math::Pose2D getPosition() const { return position; }
    marlowinds_lib::math::Pose2D getLocalPosition() const { return localPosition; }
    marlowinds_lib::math::Pose2D getVelocity() const { return velocity; }
    marlowinds_lib::math::Pose2D getLocalVelocity() const { return localVelocity; }

    /// A known global position makes the record usable.
    void setPosition(const marlowinds_lib::math::Pose2D& pose) {
        position = pose;
        relevant = true;
    }
    void setLocalPosition(const marlowinds_lib::math::Pose2D& pose) { localPosition = pose; }
    void setVelocity(const marlowinds_lib::math::Pose2D& pose) { velocity = pose; }
    void setLocalVelocity(const marlowinds_lib::math::Pose2D& pose) { localVelocity = pose; }

    bool isRelevant() const { return relevant; }
    void setRelevant(bool isRelevant) { relevant = isRelevant; }
    bool isFallen() const { return fallen; }
    void setIsFallen(bool isFallen) { fallen = isFallen; }
    int getId() const { return id; }
    void setId(int uniformNumber) { id = uniformNumber; }

    bool isGoalie() const { return id == 1; }

    /// lastSeenTime has no setter and stays 0, so the age is `now` itself.
    double getAge(double now) const { return now - lastSeenTime; }

private:
    bool relevant = false;
    bool fallen = false;
    marlowinds_lib::math::Pose2D position;
    marlowinds_lib::math::Pose2D localPosition;
    marlowinds_lib::math::Pose2D velocity;
    marlowinds_lib::math::Pose2D localVelocity;
    int id = 0;
    double lastSeenTime = 0.0;
};

} // namespace representations

#endif
