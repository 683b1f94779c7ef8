#ifndef CONTROL_WALKING_OMNIDIRECTIONALWALKZMP_H
#define CONTROL_WALKING_OMNIDIRECTIONALWALKZMP_H

#include "control/walking/InverseKinematics.h"
#include "control/walking/LinearInvertedPendulum.h"
#include "control/walking/OdometryDistribution.h"
#include "control/walking/OmnidirectionalWalkZMPParams.h"
#include "control/walking/RobotPhysicalParameters.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Vector2.h"
#include "marlowinds_lib/utils/patterns/Configurable.h"
#include "representations/NaoJoints.h"
#include "utils/neural_network/NeuralNetwork.h"

namespace control {
namespace walking {

/// The omnidirectional walk: one step at a time, planned at each step boundary
/// in the frame of the support foot (x along the foot, y to the left). The torso
/// follows the centre of mass of a linear inverted pendulum whose ZMP moves from
/// between the feet onto the support foot and on to between the feet again; the
/// swing foot moves from where it was lifted to the landing pose planned for the
/// step; the arms swing against the feet. Each cycle also yields the torso's
/// displacement, corrected by a small network (the graph
/// "odometry/odometry_calibrator"), as the walk odometry.
class OmnidirectionalWalkZMP : public marlowinds_lib::utils::patterns::Configurable<OmnidirectionalWalkZMP> {
public:
    /// The arm pose the arm swing starts from, left arm; the right arm takes the negatives.
    static constexpr double DEFAULT_LEFT_ARM_ROLL_OFFSET = -1.5707963267948966;    // -90 degrees
    static constexpr double DEFAULT_LEFT_SHOULDER_YAW_OFFSET = 0.3490658503988659; // 20 degrees
    static constexpr double GRAVITY = 9.80665;
    /// A step longer than this many pendulum time constants leaves the range of
    /// the closed-form solution; no robot-sized set comes near it.
    static constexpr double MAXIMUM_PERIOD_IN_TIME_CONSTANTS = 40.0;

    /// A stop finishes the step in progress and takes two closing steps in place.
    enum class WalkState : int {
        WALKING = 0,
        STOP_REQUESTED = 1,
        FIRST_CLOSING_STEP = 2,
        SECOND_CLOSING_STEP = 3,
        STOPPED = 4,
    };

    /// params becomes the active set; inverseKinematics is borrowed and must outlive the walk.
    OmnidirectionalWalkZMP(const OmnidirectionalWalkZMPParams& params, const RobotPhysicalParameters& dimensions,
                           InverseKinematics* inverseKinematics);
    virtual ~OmnidirectionalWalkZMP() = default;

    /// Back to standing on the left foot at the start of a step, walking; keeps the desired velocity.
    void restart();
    /// The set the next step will use.
    void setWalkParams(const OmnidirectionalWalkZMPParams& params);
    /// Turning (rad/s), forward and leftward speed (m/s); a component that is not finite counts as 0.
    void setDesiredVelocity(const marlowinds_lib::math::Pose2D& velocity);
    void setWalkPreciseMode(bool precise);
    void requestStop();
    /// One cycle: advances the walk by dt (seconds of server time, at most one
    /// period applied) and writes the leg joints, shoulder pitches and the
    /// shoulder yaws and arm rolls.
    void update(double dt, representations::NaoJoints& joints);

    bool hasStopped() const { return walkState == WalkState::STOPPED; }
    bool isStopping() const { return walkState != WalkState::WALKING; }
    /// The torso's displacement over the last update, in its previous frame.
    OdometryDistribution getOdometry() const { return odometry; }
    marlowinds_lib::math::Vector2<double> getInstantaneousSpeed() const { return comSpeed; }
    marlowinds_lib::math::Vector2<double> getInstantaneousAcceleration() const { return comAcceleration; }

    WalkState getWalkState() const { return walkState; }
    /// The velocity the current step was planned with.
    const marlowinds_lib::math::Pose2D& getCurrentVelocity() const { return currentVelocity; }
    bool isLeftFootSwinging() const { return leftFootSwings; }
    const OmnidirectionalWalkZMPParams& getActiveParams() const { return activeParams; }
    /// Whether the odometry calibrator's graph was loaded.
    bool isCalibrated() const { return calibrator.isLoaded(); }
    /// The set the current step uses, for a configuration that sets it at start-up.
    OmnidirectionalWalkZMPParams& getActiveParams() { return activeParams; }

    /// A set the pendulum can be solved with: every value finite, period and
    /// zCom positive, doubleSupportRatio strictly between 0 and 1, and the step
    /// no longer than MAXIMUM_PERIOD_IN_TIME_CONSTANTS.
    static bool isUsable(const OmnidirectionalWalkZMPParams& params);

private:
    void computeNewStep();
    void advanceWalkState();
    /// At a step boundary: the pending set becomes active unless it is unusable.
    void adoptPendingParams();
    void rampVelocity();
    void switchSwingFoot() { leftFootSwings = !leftFootSwings; }
    marlowinds_lib::math::Pose2D getDesiredTorsoDisplacement() const;
    /// ZMP start + displacement, kept on the swing side of the support foot.
    marlowinds_lib::math::Pose2D limitTorso(const marlowinds_lib::math::Pose2D& zmp,
                                            const marlowinds_lib::math::Pose2D& displacement) const;
    marlowinds_lib::math::Pose2D computeLandingPose(const marlowinds_lib::math::Pose2D& displacement) const;
    void computeTorsoToAttainCoM(double phase, double comX, double comY, representations::NaoJoints& joints);
    void updateOdometry();
    /// The displacement as the calibrator network corrects it; unchanged while its graph is missing.
    marlowinds_lib::math::Pose2D calibrate(const marlowinds_lib::math::Pose2D& displacement);
    double timeConstant() const;
    /// +1 while the left foot swings, -1 while the right one does.
    double swingSide() const { return leftFootSwings ? 1.0 : -1.0; }

    bool leftFootSwings = false;
    marlowinds_lib::math::Pose2D torsoPose;
    WalkState walkState = WalkState::WALKING;
    OmnidirectionalWalkZMPParams activeParams;
    OmnidirectionalWalkZMPParams pendingParams;
    /// Set once an unusable pending set has been refused, until a usable one is taken.
    bool refusalReported = false;
    InverseKinematics* inverseKinematics;
    RobotPhysicalParameters dimensions;

    // The step plan, in the support foot's frame.
    marlowinds_lib::math::Pose2D swingStart;
    marlowinds_lib::math::Pose2D landingPose;
    marlowinds_lib::math::Pose2D zmpStart;
    marlowinds_lib::math::Pose2D zmpEnd;
    double phaseTime = 0.0;
    LinearInvertedPendulum pendulumX;
    LinearInvertedPendulum pendulumY;

    marlowinds_lib::math::Pose2D desiredVelocity;
    marlowinds_lib::math::Pose2D currentVelocity;
    marlowinds_lib::math::Vector2<double> comSpeed;
    marlowinds_lib::math::Vector2<double> comAcceleration;
    marlowinds_lib::math::Pose2D previousTorsoPose;
    OdometryDistribution odometry;
    utils::neural_network::NeuralNetwork calibrator;
    bool preciseMode = false;
};

} // namespace walking
} // namespace control

#endif
