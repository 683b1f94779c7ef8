#ifndef CONTROL_WALKING_INVERSEKINEMATICS_H
#define CONTROL_WALKING_INVERSEKINEMATICS_H

#include "control/walking/RobotPhysicalParameters.h"
#include "representations/NaoJoints.h"

namespace control {
namespace walking {

/// Closed-form leg solver of the simulated NAO, whose two hip yaw-pitch
/// joints are mounted at 45 degrees. A foot target is the foot reference
/// point's (x, y) in the torso frame, the torso origin's height z above it
/// (positive) and the foot's yaw relative to the torso; the sole stays parallel
/// to the torso. Angles come out in the motion engines' joint directions.
/// A target out of the leg's reach gives the stretched (or fully folded) leg
/// pointing at it, never NaN.
class InverseKinematics {
public:
    /// Order of the six angles of computeJointsTargetsOneLeg.
    enum OneLegAngle : int { PITCH = 0, KNEE, FOOT_PITCH, ROLL, FOOT_ROLL, YAW, NUMBER_OF_ONE_LEG_ANGLES };

    explicit InverseKinematics(const RobotPhysicalParameters& dimensions) : dimensions(dimensions) {}
    virtual ~InverseKinematics() = default;

    /// Writes the twelve leg joints; no other joint of the vector is touched.
    void computeJointsTargets(double leftX, double leftY, double leftZ, double leftYaw, double rightX, double rightY,
                              double rightZ, double rightYaw, representations::NaoJoints& joints) const;

    /// The leg as a yaw-roll-pitch hip, a knee and a pitch-roll ankle. (x, y)
    /// is the ankle ahead of and to the left of the hip in the foot's yaw
    /// frame, z the hip's height above the ankle; out takes
    /// NUMBER_OF_ONE_LEG_ANGLES values in OneLegAngle order.
    void computeJointsTargetsOneLeg(double x, double y, double z, double yaw, double* out) const;

    /// Turn the hip orientation of computeJointsTargetsOneLeg into the leg's
    /// joints (yaw-pitch, roll and pitch at the hip; knee and ankle as given).
    static void setLeftLeg(const double* angles, representations::NaoJoints& joints);
    static void setRightLeg(const double* angles, representations::NaoJoints& joints);

    /// Rz(yaw) * Rx(roll) * Ry(pitch), row by row.
    static void getHipRotationMatrix(double yaw, double roll, double pitch, double out[3][3]);

private:
    /// +1 for the left leg, -1 for the right: the right leg mirrors the left.
    void computeLeg(double side, double x, double y, double z, double yaw, representations::NaoJoints& joints) const;
    static void setLeg(double side, const double* angles, representations::NaoJoints& joints);

    RobotPhysicalParameters dimensions;
};

} // namespace walking
} // namespace control

#endif
