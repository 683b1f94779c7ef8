#ifndef MODELING_AGENTMODEL_H
#define MODELING_AGENTMODEL_H

#include "marlowinds_lib/math/Pose3D.h"
#include "marlowinds_lib/math/RotationMatrix.h"
#include "marlowinds_lib/math/Vector3.h"
#include "modeling/AgentModelUpdateData.h"
#include "modeling/BodyModel.h"

namespace modeling {

/// The agent's picture of its own body, updated once per cycle from the
/// perception: joint kinematics, filtered torso acceleration, fall state,
/// centre of mass and the camera-to-root transform. Positions are in the torso
/// frame unless said otherwise.
class AgentModel {
public:
    /// The vertical foot force (N) above which a foot touches the ground.
    static constexpr double FOOT_CONTACT_THRESHOLD = 2.0;
    /// The weight of a new accelerometer reading in the low-pass filter.
    static constexpr double ACCELERATION_FILTER_GAIN = 0.1;
    /// A filtered horizontal acceleration (m/s^2) beyond this means the robot lies on the ground.
    static constexpr double FALLEN_ACCELERATION = 6.5;
    /// A filtered vertical acceleration (m/s^2) above this counts towards standing up again.
    static constexpr double UPRIGHT_ACCELERATION = 9.0;
    /// Upright steps needed before a fall is over.
    static constexpr int STAND_UP_STEPS = 20;

    AgentModel(int agentNumber, int robotType);
    virtual ~AgentModel() = default;

    /// Body model, acceleration filter, camera-to-root transform and centre of
    /// mass for this cycle's perception, which is kept for the getters below.
    /// Allocates nothing.
    void update(AgentModelUpdateData& data);

    int getAgentNumber() const { return agentNumber; }
    int getRobotType() const { return robotType; }
    /// Null before the first update.
    perception::AgentPerception* getAgentPerception() const { return agentPerception; }

    /// The raw gyroscope reading (rad/s) of the latest perception; zero before the first update.
    marlowinds_lib::math::Vector3<double> getTorsoAngularVelocity() const;
    /// The raw, unfiltered accelerometer reading (m/s^2); zero before the first update.
    marlowinds_lib::math::Vector3<double> getTorsoAcceleration() const;

    const marlowinds_lib::math::Vector3<double>& getCenterOfMass() const { return centerOfMass; }
    /// Not estimated: always zero.
    const marlowinds_lib::math::Vector3<double>& getZeroMomentPoint() const { return zeroMomentPoint; }
    /// Not estimated: always the identity.
    const marlowinds_lib::math::RotationMatrix& getTorsoRotation() const { return torsoRotation; }
    /// Maps camera-frame points into the root frame: origin on the supporting
    /// sole's plane below the torso centre, z along the sole's normal, the torso's heading.
    const marlowinds_lib::math::Pose3D& getFromCameraToRootTransform() const { return fromCameraToRootTransform; }

    bool leftFootTouchsGround() const;
    bool rightFootTouchsGround() const;

    // This cycle's fall tests on the filtered acceleration; none has a memory.
    bool isCurrentlyFallen() const;
    bool hasFallenFront() const;
    bool hasFallenBack() const;
    bool hasFallenSide() const;

    /// One step of the latched fall detector: true from a fall until
    /// STAND_UP_STEPS upright steps have been counted. Every call advances it.
    bool hasFallen();
    /// The latched detector's answer of its last step, without a step.
    bool isFallLatched() const { return fallen; }

private:
    void updateAcceleration(const marlowinds_lib::math::Vector3<double>& rawAcceleration);
    void updateCameraToRootTransform();
    marlowinds_lib::math::Pose3D supportSoleTransform() const;

    marlowinds_lib::math::Vector3<double> filteredTorsoAcceleration;
    perception::AgentPerception* agentPerception = nullptr;
    BodyModel bodyModel;
    marlowinds_lib::math::Vector3<double> centerOfMass;
    marlowinds_lib::math::Vector3<double> zeroMomentPoint;
    marlowinds_lib::math::RotationMatrix torsoRotation;
    marlowinds_lib::math::Pose3D fromCameraToRootTransform;
    int agentNumber;
    int robotType;
    bool fallen = false;
    int standUpCounter = 0;
};

} // namespace modeling

#endif
