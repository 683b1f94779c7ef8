#include "control/kick/KickZMP.h"

#include "control/walking/MotionShapes.h"
#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace control {
namespace kick {

using marlowinds_lib::math::MathUtils;
using representations::NaoJoints;

KickZMP::KickZMP(const KickZMPParams& params, bool leftFootKicks, const walking::RobotPhysicalParameters& dimensions,
                 walking::InverseKinematics* inverseKinematics)
    : params(params), leftFootKicks(leftFootKicks), dimensions(dimensions), inverseKinematics(inverseKinematics) {
    prepare();
}

void KickZMP::reset() {
    phase = MOVE_ZMP_TO_SINGLE_SUPPORT;
    totalTime = 0.0;
    phaseTime = 0.0;
    prepare();
}

void KickZMP::prepare() {
    totalDuration = 2.0 * (params.moveZmpDuration + params.takeFootDuration) + params.kickDuration;
    // The ZMP moves from between the feet onto the support foot and back; the
    // support foot is ySeparation from the point between the feet.
    lateralPendulum.solveZMP(params.ySeparation, params.ySeparation, totalDuration, params.moveZmpDuration,
                             std::sqrt(params.zCom / GRAVITY));

    const double r = params.accelerationMoveRatio / 2.0;
    kickFraction.accelerating = 1.0 / (2.0 * r * (1.0 - r));
    kickFraction.cruiseSlope = 1.0 / (1.0 - r);
    kickFraction.cruiseOffset = -r / (2.0 * (1.0 - r));
    kickFraction.deceleratingSquare = -1.0 / (2.0 * r * (1.0 - r));
    kickFraction.deceleratingSlope = 1.0 / (r * (1.0 - r));
    kickFraction.deceleratingOffset = 1.0 - 1.0 / (2.0 * r * (1.0 - r));
}

double KickZMP::phaseDuration(Phase of) const {
    switch (of) {
    case MOVE_ZMP_TO_SINGLE_SUPPORT:
        return params.moveZmpDuration;
    case TAKE_FOOT_OFF_THE_GROUND:
    case PUT_FOOT_ON_THE_GROUND:
        return params.takeFootDuration;
    case KICK:
        return params.kickDuration;
    case MOVE_ZMP_TO_DOUBLE_SUPPORT:
        break;
    }
    return std::numeric_limits<double>::infinity();
}

double KickZMP::computeTakeFrac(double t) const { return walking::cosineBlend(t, params.accelerationMoveRatio / 2.0); }

double KickZMP::computeKickFrac(double t) const {
    const double r = params.accelerationMoveRatio / 2.0;
    if (t < r) {
        return kickFraction.accelerating * t * t;
    }
    if (t < 1.0 - r) {
        return kickFraction.cruiseSlope * t + kickFraction.cruiseOffset;
    }
    return kickFraction.deceleratingSquare * t * t + kickFraction.deceleratingSlope * t +
           kickFraction.deceleratingOffset;
}

void KickZMP::changeState() {
    const double duration = phaseDuration(phase);
    if (phaseTime > duration) {
        phaseTime -= duration;
        phase = static_cast<Phase>(phase + 1);
    }
    // A kick whose time has passed holds its final pose, not the foot in the
    // air waiting for the phases left.
    if (hasKicked() && phase != MOVE_ZMP_TO_DOUBLE_SUPPORT) {
        phase = MOVE_ZMP_TO_DOUBLE_SUPPORT;
        phaseTime = totalTime - phaseStart(phase);
    }
}

double KickZMP::phaseStart(Phase of) const {
    double start = 0.0;
    for (int earlier = MOVE_ZMP_TO_SINGLE_SUPPORT; earlier < of; ++earlier) {
        start += phaseDuration(static_cast<Phase>(earlier));
    }
    return start;
}

void KickZMP::computeKickingFoot(double& x, double& z) const {
    // After a long cycle the phase's time may exceed its duration: the foot then waits at the phase's end.
    const double t = std::min(1.0, phaseTime / phaseDuration(phase));
    const double amplitude = params.kickAmplitude;
    const double lifted = params.zCom - params.zFoot;
    x = 0.0;
    z = params.zCom;
    switch (phase) {
    case TAKE_FOOT_OFF_THE_GROUND:
        x = MathUtils::linearInterpol(0.0, -amplitude, computeTakeFrac(t));
        z = MathUtils::linearInterpol(params.zCom, lifted, computeTakeFrac(t));
        break;
    case KICK:
        x = MathUtils::linearInterpol(-amplitude, amplitude, computeKickFrac(t));
        z = lifted;
        break;
    case PUT_FOOT_ON_THE_GROUND:
        x = MathUtils::linearInterpol(amplitude, 0.0, computeTakeFrac(t));
        z = MathUtils::linearInterpol(lifted, params.zCom, computeTakeFrac(t));
        break;
    case MOVE_ZMP_TO_SINGLE_SUPPORT:
    case MOVE_ZMP_TO_DOUBLE_SUPPORT:
        break;
    }
}

void KickZMP::update(double dt, NaoJoints& joints) {
    totalTime += dt;
    phaseTime += dt;
    changeState();
    // The support foot's lateral offset from the torso: ySeparation on both feet,
    // near 0 on one. It follows the foot's place in the kick, which is the clock's
    // unless a cycle longer than a phase left the foot waiting at a phase's end:
    // the body waits with it, or it would stand on both feet with one in the air.
    const double footTime = phaseStart(phase) + std::min(phaseTime, phaseDuration(phase));
    const double supportOffset = lateralPendulum.getCoM(std::min(footTime, totalDuration));
    double kickingX = 0.0;
    double kickingZ = 0.0;
    computeKickingFoot(kickingX, kickingZ);

    // +1: the support foot is the left one, to the torso's left.
    const double side = leftFootKicks ? -1.0 : 1.0;
    const double supportY = side * supportOffset;
    const double kickingY = side * (supportOffset - 2.0 * params.ySeparation);

    const double gain = params.armsCompensationFactor;
    const double oppositeArm = walking::armSwingPitch(gain, kickingX, dimensions.armLength);
    const double kickingSideArm = walking::armSwingPitch(gain, -kickingX, dimensions.armLength);
    joints.setValue(NaoJoints::LEFT_SHOULDER_PITCH, leftFootKicks ? kickingSideArm : oppositeArm);
    joints.setValue(NaoJoints::RIGHT_SHOULDER_PITCH, leftFootKicks ? oppositeArm : kickingSideArm);

    if (leftFootKicks) {
        inverseKinematics->computeJointsTargets(kickingX, kickingY, kickingZ, 0.0, 0.0, supportY, params.zCom, 0.0,
                                                joints);
    } else {
        inverseKinematics->computeJointsTargets(0.0, supportY, params.zCom, 0.0, kickingX, kickingY, kickingZ, 0.0,
                                                joints);
    }
}

} // namespace kick
} // namespace control
