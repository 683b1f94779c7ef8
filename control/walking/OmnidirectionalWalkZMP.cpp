#include "control/walking/OmnidirectionalWalkZMP.h"

#include "control/walking/MotionShapes.h"
#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <iterator>
#include <vector>

namespace control {
namespace walking {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Vector2;
using representations::NaoJoints;

namespace {

// Largest change of the planned velocity from one step to the next. The forward
// limits are single-precision values, so that four steps of 0.2 reach 0.8.
const double FORWARD_RAMP = static_cast<double>(0.2f);
const double FAST_FORWARD_RAMP = static_cast<double>(0.1f);
const double FAST_FORWARD_SPEED = 0.8;
const double SIDEWAYS_RAMP = 0.1;
const double TURN_RAMP = MathUtils::degreesToRadians(60.0);

/// Pose seen from frame, both in the same frame.
Pose2D poseRelative(const Pose2D& pose, const Pose2D& frame) {
    return {MathUtils::normalizeAngle(pose.rotation - frame.rotation),
            (pose.translation - frame.translation).rotate(-frame.rotation)};
}

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

} // namespace

OmnidirectionalWalkZMP::OmnidirectionalWalkZMP(const OmnidirectionalWalkZMPParams& params,
                                               const RobotPhysicalParameters& dimensions,
                                               InverseKinematics* inverseKinematics)
    : activeParams(params), inverseKinematics(inverseKinematics), dimensions(dimensions),
      calibrator(4, 3, "dense_1_input", "pi/output_node", "", "odometry/odometry_calibrator") {
    restart();
}

bool OmnidirectionalWalkZMP::isUsable(const OmnidirectionalWalkZMPParams& params) {
    const double values[] = {params.period,      params.zCom,
                             params.zStep,       params.doubleSupportRatio,
                             params.ySeparation, params.armsCompensationFactor};
    if (!std::all_of(std::begin(values), std::end(values), [](double value) { return std::isfinite(value); })) {
        return false;
    }
    return params.period > 0.0 && params.zCom > 0.0 && params.doubleSupportRatio > 0.0 &&
           params.doubleSupportRatio < 1.0 &&
           params.period <= MAXIMUM_PERIOD_IN_TIME_CONSTANTS * std::sqrt(params.zCom / GRAVITY);
}

void OmnidirectionalWalkZMP::restart() {
    // Before the first step the active set may still be the empty one of start-up;
    // the feet then stand as far apart as the set that will be taken.
    const double ySeparation = isUsable(activeParams) ? activeParams.ySeparation : pendingParams.ySeparation;
    phaseTime = 0.0;
    leftFootSwings = false;
    walkState = WalkState::WALKING;
    zmpStart = zmpEnd = Pose2D(0.0, 0.0, -ySeparation);
    swingStart = landingPose = Pose2D(0.0, 0.0, -2.0 * ySeparation);
    previousTorsoPose = Pose2D(0.0, 0.0, -ySeparation);
    currentVelocity = Pose2D();
    odometry.mean = Pose2D();
}

void OmnidirectionalWalkZMP::setWalkParams(const OmnidirectionalWalkZMPParams& params) { pendingParams = params; }

void OmnidirectionalWalkZMP::setDesiredVelocity(const Pose2D& velocity) {
    desiredVelocity = Pose2D(finiteOrZero(velocity.rotation), finiteOrZero(velocity.translation.x),
                             finiteOrZero(velocity.translation.y));
}

void OmnidirectionalWalkZMP::setWalkPreciseMode(bool precise) { preciseMode = precise; }

void OmnidirectionalWalkZMP::requestStop() {
    if (walkState == WalkState::WALKING) {
        walkState = WalkState::STOP_REQUESTED;
    }
}

double OmnidirectionalWalkZMP::timeConstant() const { return std::sqrt(activeParams.zCom / GRAVITY); }

void OmnidirectionalWalkZMP::update(double dt, NaoJoints& joints) {
    const bool usable = isUsable(activeParams);
    // A cycle after a pause (no walk was asked for meanwhile) would otherwise
    // advance by seconds and overflow the pendulum; a time that is no number or
    // runs backwards does not move the walk.
    const double applied = std::isfinite(dt) && dt > 0.0 && usable ? std::min(dt, activeParams.period) : 0.0;
    phaseTime += applied;
    if (walkState == WalkState::STOPPED) {
        phaseTime = 0.0;
    }
    if (!usable) {
        computeNewStep(); // takes the pending set if it is usable
    } else if (phaseTime >= activeParams.period) {
        phaseTime -= activeParams.period;
        computeNewStep();
    }
    if (!isUsable(activeParams)) {
        return; // no set to walk with yet
    }

    const double period = activeParams.period;
    const double phase = phaseTime / period;
    const double zmpRamp = activeParams.doubleSupportRatio / 2.0 * period;
    pendulumX.solveZMP(zmpStart.translation.x, zmpEnd.translation.x, period, zmpRamp, timeConstant());
    pendulumY.solveZMP(zmpStart.translation.y, zmpEnd.translation.y, period, zmpRamp, timeConstant());
    comSpeed = {pendulumX.getCoMSpeed(phaseTime), pendulumY.getCoMSpeed(phaseTime)};
    comAcceleration = {pendulumX.getCoMAcceleration(phaseTime), pendulumY.getCoMAcceleration(phaseTime)};
    computeTorsoToAttainCoM(phase, pendulumX.getCoM(phaseTime), pendulumY.getCoM(phaseTime), joints);
}

void OmnidirectionalWalkZMP::computeNewStep() {
    advanceWalkState();
    adoptPendingParams();
    if (!isUsable(activeParams)) {
        return;
    }
    rampVelocity();
    if (walkState == WalkState::FIRST_CLOSING_STEP || walkState == WalkState::SECOND_CLOSING_STEP) {
        currentVelocity = Pose2D();
    }
    switchSwingFoot();

    // Everything remembered moves into the frame of the foot that has just landed.
    zmpStart = poseRelative(zmpEnd, landingPose);
    swingStart = poseRelative(Pose2D(), landingPose);
    previousTorsoPose = poseRelative(previousTorsoPose, landingPose);

    const Pose2D displacement = getDesiredTorsoDisplacement();
    zmpEnd = limitTorso(zmpStart, displacement);
    landingPose = computeLandingPose(displacement);
}

void OmnidirectionalWalkZMP::advanceWalkState() {
    switch (walkState) {
    case WalkState::STOP_REQUESTED:
        walkState = WalkState::FIRST_CLOSING_STEP;
        break;
    case WalkState::FIRST_CLOSING_STEP:
        walkState = WalkState::SECOND_CLOSING_STEP;
        break;
    case WalkState::SECOND_CLOSING_STEP:
        walkState = WalkState::STOPPED;
        break;
    case WalkState::WALKING:
    case WalkState::STOPPED:
        break;
    }
}

void OmnidirectionalWalkZMP::adoptPendingParams() {
    if (isUsable(pendingParams)) {
        activeParams = pendingParams;
        refusalReported = false;
        return;
    }
    if (!refusalReported) {
        std::cerr << "(OmnidirectionalWalkZMP) refusing walk parameters with period " << pendingParams.period
                  << ", zCom " << pendingParams.zCom << ", doubleSupportRatio " << pendingParams.doubleSupportRatio
                  << "; keeping the active set" << std::endl;
        refusalReported = true;
    }
}

void OmnidirectionalWalkZMP::rampVelocity() {
    const auto towards = [](double current, double desired, double limit) {
        return current + MathUtils::saturate(desired - current, -limit, limit);
    };
    const double forwardRamp = currentVelocity.translation.x >= FAST_FORWARD_SPEED ? FAST_FORWARD_RAMP : FORWARD_RAMP;
    currentVelocity = Pose2D(towards(currentVelocity.rotation, desiredVelocity.rotation, TURN_RAMP),
                             towards(currentVelocity.translation.x, desiredVelocity.translation.x, forwardRamp),
                             towards(currentVelocity.translation.y, desiredVelocity.translation.y, SIDEWAYS_RAMP));
}

Pose2D OmnidirectionalWalkZMP::getDesiredTorsoDisplacement() const {
    const double period = activeParams.period;
    return {currentVelocity.rotation * period, currentVelocity.translation * period};
}

Pose2D OmnidirectionalWalkZMP::limitTorso(const Pose2D& zmp, const Pose2D& displacement) const {
    // The ZMP at the end of the step stays on the swing side: it may not turn or
    // shift towards the support side, and keeps at least ySeparation from the foot.
    const double side = swingSide();
    const double rotation = side * std::max(side * (zmp.rotation + displacement.rotation), 0.0);
    const double y = side * std::max(side * (zmp.translation.y + displacement.translation.y), activeParams.ySeparation);
    return {rotation, zmp.translation.x + displacement.translation.x, y};
}

Pose2D OmnidirectionalWalkZMP::computeLandingPose(const Pose2D& displacement) const {
    // A turn or sideways motion towards the support side is left to the next
    // step, which the other foot takes.
    const double side = swingSide();
    const bool turnsToSwingSide = side > 0.0 ? displacement.rotation >= 0.0 : displacement.rotation < 0.0;
    const bool movesToSwingSide = side > 0.0 ? displacement.translation.y >= 0.0 : displacement.translation.y < 0.0;
    const double heading = zmpEnd.rotation + (turnsToSwingSide ? displacement.rotation : 0.0);
    const double lateral = movesToSwingSide ? -std::sin(heading) * displacement.translation.x +
                                                  std::cos(heading) * displacement.translation.y
                                            : 0.0;
    const Vector2<double> reach(0.5 * activeParams.period * currentVelocity.translation.x,
                                side * activeParams.ySeparation + lateral);
    return {MathUtils::normalizeAngle(heading), zmpEnd.translation + reach.rotate(heading)};
}

void OmnidirectionalWalkZMP::computeTorsoToAttainCoM(double phase, double comX, double comY, NaoJoints& joints) {
    const double halfDoubleSupport = activeParams.doubleSupportRatio / 2.0;
    const double shift = cosineBlend(phase, halfDoubleSupport);
    const double lift =
        phase > halfDoubleSupport && phase < 1.0 - halfDoubleSupport
            ? (1.0 - std::cos(MathUtils::TWO_PI * (phase - halfDoubleSupport) / (1.0 - 2.0 * halfDoubleSupport))) / 2.0
            : 0.0;

    torsoPose = Pose2D(zmpStart.rotation + (zmpEnd.rotation - zmpStart.rotation) * shift, comX, comY);
    const Pose2D swingFoot(swingStart.rotation + (landingPose.rotation - swingStart.rotation) * shift,
                           swingStart.translation + (landingPose.translation - swingStart.translation) * shift);
    const Pose2D swingFromTorso = poseRelative(swingFoot, torsoPose);
    const Pose2D supportFromTorso = poseRelative(Pose2D(), torsoPose);
    const double swingHeight = activeParams.zCom - activeParams.zStep * lift;

    const Pose2D& left = leftFootSwings ? swingFromTorso : supportFromTorso;
    const Pose2D& right = leftFootSwings ? supportFromTorso : swingFromTorso;
    const double leftHeight = leftFootSwings ? swingHeight : activeParams.zCom;
    const double rightHeight = leftFootSwings ? activeParams.zCom : swingHeight;
    inverseKinematics->computeJointsTargets(left.translation.x, left.translation.y, leftHeight, left.rotation,
                                            right.translation.x, right.translation.y, rightHeight, right.rotation,
                                            joints);

    // Each arm swings against the foot of the other side.
    const double gain = activeParams.armsCompensationFactor;
    joints.setValue(NaoJoints::LEFT_SHOULDER_PITCH, armSwingPitch(gain, right.translation.x, dimensions.armLength));
    joints.setValue(NaoJoints::RIGHT_SHOULDER_PITCH, armSwingPitch(gain, left.translation.x, dimensions.armLength));
    joints.setValue(NaoJoints::LEFT_SHOULDER_YAW, DEFAULT_LEFT_SHOULDER_YAW_OFFSET);
    joints.setValue(NaoJoints::RIGHT_SHOULDER_YAW, -DEFAULT_LEFT_SHOULDER_YAW_OFFSET);
    joints.setValue(NaoJoints::LEFT_ARM_ROLL, DEFAULT_LEFT_ARM_ROLL_OFFSET);
    joints.setValue(NaoJoints::RIGHT_ARM_ROLL, -DEFAULT_LEFT_ARM_ROLL_OFFSET);

    updateOdometry();
}

Pose2D OmnidirectionalWalkZMP::calibrate(const Pose2D& displacement) {
    // Without its graph the network gives zeros, which would say the robot never moves.
    if (!calibrator.isLoaded()) {
        return displacement;
    }
    calibrator.addFeature(preciseMode ? 1.0 : 0.0);
    calibrator.addFeature(displacement.translation.x);
    calibrator.addFeature(displacement.translation.y);
    calibrator.addFeature(displacement.rotation);
    const std::vector<double> corrected = calibrator.forwardPass();
    return {corrected[2], corrected[0], corrected[1]};
}

void OmnidirectionalWalkZMP::updateOdometry() {
    odometry.mean = calibrate(poseRelative(torsoPose, previousTorsoPose));
    if (preciseMode) {
        odometry.sigmaRotation = 0.005;
        odometry.sigmaX = 0.002;
        odometry.sigmaY = 0.02;
    } else {
        odometry.sigmaRotation = 0.01;
        odometry.sigmaX = 0.01;
        odometry.sigmaY = 0.005;
    }
    previousTorsoPose = torsoPose;
}

} // namespace walking
} // namespace control
