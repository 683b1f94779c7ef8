#ifndef CONTROL_WALKREQUEST_H
#define CONTROL_WALKREQUEST_H

#include "control/MovementRequest.h"
#include "control/WalkMode.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace control {

struct WalkInputDataSetter;

/// Walk at a velocity in the robot's own frame: rotation = turning speed
/// (rad/s), translation = forward and leftward speed (m/s).
class WalkRequest : public MovementRequest {
public:
    /// Lateral speed (m/s) below which a walk without a mode sprints.
    static constexpr double SMALL_VY = 0.09;

    /// The mode follows from the velocity (decideWalkMode). A velocity with a
    /// NaN part is kept as it is, but reported on the standard output.
    explicit WalkRequest(const marlowinds_lib::math::Pose2D& velocity);
    WalkRequest(const marlowinds_lib::math::Pose2D& velocity, WalkMode walkMode);

    virtual WalkMode getWalkMode() const { return walkMode; }
    /// Clears the setter's flag and hands the velocity to its walk engine.
    virtual void setWalkInput(WalkInputDataSetter& setter);
    virtual const marlowinds_lib::math::Pose2D& getVelocity() const { return velocity; }

    /// SPRINT while the lateral speed is below SMALL_VY in magnitude, else TURN.
    static WalkMode decideWalkMode(const marlowinds_lib::math::Pose2D& velocity);

private:
    marlowinds_lib::math::Pose2D velocity;
    WalkMode walkMode;
};

} // namespace control

#endif
