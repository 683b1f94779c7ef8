#include "control/walking/InverseKinematics.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace control {
namespace walking {

using representations::NaoJoints;

namespace {

constexpr double PI = marlowinds_lib::math::MathUtils::PI;
/// 1/sqrt(2) in single precision; being just below the true value it also
/// keeps the hip roll's asin argument inside [-1, 1].
constexpr double K = 0.7071067690849304;

/// Out of reach, a triangle's cosine leaves [-1, 1]: clamping gives the
/// stretched or fully folded leg instead of NaN.
double clampedAcos(double cosine) { return std::acos(std::clamp(cosine, -1.0, 1.0)); }

} // namespace

void InverseKinematics::computeJointsTargets(double leftX, double leftY, double leftZ, double leftYaw, double rightX,
                                             double rightY, double rightZ, double rightYaw, NaoJoints& joints) const {
    computeLeg(1.0, leftX, leftY, leftZ, leftYaw, joints);
    computeLeg(-1.0, rightX, rightY, rightZ, rightYaw, joints);
}

void InverseKinematics::computeLeg(double side, double x, double y, double z, double yaw, NaoJoints& joints) const {
    const double c = std::cos(yaw);
    const double s = std::sin(yaw);
    const double dx = x - dimensions.hipOffsetX;
    const double dy = y - side * dimensions.hipOffsetY;
    double angles[NUMBER_OF_ONE_LEG_ANGLES];
    computeJointsTargetsOneLeg(c * dx + s * dy - dimensions.footOffsetX,
                               c * dy - s * dx - side * dimensions.footOffsetY,
                               z + dimensions.hipOffsetZ + dimensions.footOffsetZ, yaw, angles);
    setLeg(side, angles, joints);
}

void InverseKinematics::computeJointsTargetsOneLeg(double x, double y, double z, double yaw, double* out) const {
    const double t = dimensions.thighLength;
    const double b = dimensions.tibiaLength;
    const double sideways = std::hypot(y, z);
    const double squaredLength = x * x + y * y + z * z;
    const double length = std::sqrt(squaredLength);

    const double atKnee = clampedAcos((t * t + b * b - squaredLength) / (2.0 * t * b));
    const double atHip = clampedAcos((t * t + squaredLength - b * b) / (2.0 * t * length));
    const double atAnkle = clampedAcos((b * b + squaredLength - t * t) / (2.0 * b * length));
    const double lean = std::atan2(x, sideways);

    // The three pitches sum to zero and the two rolls cancel: the sole stays parallel to the torso.
    out[PITCH] = -(lean + atHip) - dimensions.hipPitchOffset;
    out[KNEE] = PI - atKnee - dimensions.kneePitchOffset;
    out[FOOT_PITCH] = lean - atAnkle - dimensions.footPitchOffset;
    out[ROLL] = std::atan2(y, z);
    out[FOOT_ROLL] = -out[ROLL];
    out[YAW] = yaw;
}

void InverseKinematics::setLeftLeg(const double* angles, NaoJoints& joints) { setLeg(1.0, angles, joints); }

void InverseKinematics::setRightLeg(const double* angles, NaoJoints& joints) { setLeg(-1.0, angles, joints); }

void InverseKinematics::setLeg(double side, const double* angles, NaoJoints& joints) {
    const double cy = std::cos(angles[YAW]);
    const double sy = std::sin(angles[YAW]);
    const double cr = std::cos(angles[ROLL]);
    const double sr = std::sin(angles[ROLL]);
    const double cp = std::cos(angles[PITCH]);
    const double sp = std::sin(angles[PITCH]);

    // Rz(yaw) * Rx(roll) * Ry(pitch) split into the 45-degree yaw-pitch joint
    // and the hip's roll and pitch; side flips the terms that mirror.
    const double yawPitch = std::atan2(sy * cr, K * (cy * cr + side * sr));
    const double hipRoll = std::asin(K * (sr - side * cy * cr)) + side * PI / 4.0;
    const double hipPitch =
        std::atan2(K * (cr * sp + side * (sr * cy * sp + sy * cp)), K * (cr * cp + side * (sr * cy * cp - sy * sp)));

    const int first = side > 0.0 ? NaoJoints::LEFT_HIP_YAWPITCH : NaoJoints::RIGHT_HIP_YAWPITCH;
    const double legJoints[] = {yawPitch, hipRoll, hipPitch, angles[KNEE], angles[FOOT_PITCH], angles[FOOT_ROLL]};
    for (std::size_t i = 0; i < std::size(legJoints); ++i) {
        joints.setValue(static_cast<NaoJoints::HINGE_JOINTS>(first + static_cast<int>(i)), legJoints[i]);
    }
}

void InverseKinematics::getHipRotationMatrix(double yaw, double roll, double pitch, double out[3][3]) {
    const double cy = std::cos(yaw);
    const double sy = std::sin(yaw);
    const double cr = std::cos(roll);
    const double sr = std::sin(roll);
    const double cp = std::cos(pitch);
    const double sp = std::sin(pitch);
    out[0][0] = cy * cp - sy * sr * sp;
    out[0][1] = -sy * cr;
    out[0][2] = cy * sp + sy * sr * cp;
    out[1][0] = sy * cp + cy * sr * sp;
    out[1][1] = cy * cr;
    out[1][2] = sy * sp - cy * sr * cp;
    out[2][0] = -cr * sp;
    out[2][1] = sr;
    out[2][2] = cr * cp;
}

} // namespace walking
} // namespace control
