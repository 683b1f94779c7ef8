#ifndef CONTROL_KICK_KICKZMP_H
#define CONTROL_KICK_KICKZMP_H

#include "control/kick/KickZMPParams.h"
#include "control/walking/InverseKinematics.h"
#include "control/walking/LinearInvertedPendulum.h"
#include "control/walking/RobotPhysicalParameters.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"

namespace control {
namespace kick {

/// A kick on one foot: the body shifts over the support foot along a linear
/// inverted pendulum, the kicking foot is lifted and drawn back, swung forward
/// through the amplitude and set down again, and the body shifts back.
class KickZMP : public marlowinds_lib::utils::patterns::Configurable<KickZMP> {
public:
    /// 9.80665 in single precision.
    static constexpr double GRAVITY = 9.806650161743164;

    enum Phase : int {
        MOVE_ZMP_TO_SINGLE_SUPPORT = 0,
        TAKE_FOOT_OFF_THE_GROUND = 1,
        KICK = 2,
        PUT_FOOT_ON_THE_GROUND = 3,
        MOVE_ZMP_TO_DOUBLE_SUPPORT = 4,
    };

    /// inverseKinematics is borrowed and must outlive the kick.
    KickZMP(const KickZMPParams& params, bool leftFootKicks, const walking::RobotPhysicalParameters& dimensions,
            walking::InverseKinematics* inverseKinematics);
    virtual ~KickZMP() = default;

    /// Back to the start; parameters written since take effect here.
    void reset();
    /// One cycle: advances the kick by dt seconds and writes the leg joints and the shoulder pitches.
    void update(double dt, representations::NaoJoints& joints);
    bool hasKicked() const { return totalTime > totalDuration; }

    /// The parameters, for the configuration to write into.
    KickZMPParams& getParams() { return params; }
    Phase getPhase() const { return phase; }

    /// Lifting and setting down: at rest at both ends (t is the phase's share done, 0 to 1).
    double computeTakeFrac(double t) const;
    /// The swing: constant acceleration, constant speed, constant deceleration.
    double computeKickFrac(double t) const;

private:
    /// Duration, plan and pendulum from the current parameters.
    void prepare();
    double phaseDuration(Phase of) const;
    /// The time into the kick at which a phase starts.
    double phaseStart(Phase of) const;
    /// Phases 0 to 3 end when their time has passed; one transition per cycle,
    /// except that a kick whose whole time has passed is in its last phase.
    void changeState();
    /// The kicking foot's forward position and torso height above it in this phase.
    void computeKickingFoot(double& x, double& z) const;

    Phase phase = MOVE_ZMP_TO_SINGLE_SUPPORT;
    KickZMPParams params;
    bool leftFootKicks;
    walking::RobotPhysicalParameters dimensions;
    walking::InverseKinematics* inverseKinematics;
    double totalDuration = 0.0;
    double totalTime = 0.0;
    double phaseTime = 0.0;
    /// The body's lateral offset from the support foot over the whole kick.
    walking::LinearInvertedPendulum lateralPendulum;
    /// Coefficients of the swing's three pieces, t^2, t and 1.
    struct KickFraction {
        double accelerating = 0.0;
        double cruiseSlope = 0.0;
        double cruiseOffset = 0.0;
        double deceleratingSquare = 0.0;
        double deceleratingSlope = 0.0;
        double deceleratingOffset = 0.0;
    } kickFraction;
};

} // namespace kick
} // namespace control

#endif
