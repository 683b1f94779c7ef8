#include "modeling/AgentModel.h"

#include "perception/AgentPerception.h"

#include <cmath>

namespace modeling {

namespace {

using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::Vector3;

double filterStep(double filtered, double raw) {
    return (1.0 - AgentModel::ACCELERATION_FILTER_GAIN) * filtered + AgentModel::ACCELERATION_FILTER_GAIN * raw;
}

} // namespace

AgentModel::AgentModel(int agentNumber, int robotType) : agentNumber(agentNumber), robotType(robotType) {}

void AgentModel::update(AgentModelUpdateData& data) {
    agentPerception = &data.agentPerception;
    bodyModel.update(agentPerception->getNaoJoints());
    updateAcceleration(agentPerception->getTorsoAcceleration());
    updateCameraToRootTransform();
    centerOfMass = bodyModel.computeCenterOfMass();
}

void AgentModel::updateAcceleration(const Vector3<double>& rawAcceleration) {
    filteredTorsoAcceleration.x = filterStep(filteredTorsoAcceleration.x, rawAcceleration.x);
    filteredTorsoAcceleration.y = filterStep(filteredTorsoAcceleration.y, rawAcceleration.y);
    filteredTorsoAcceleration.z = filterStep(filteredTorsoAcceleration.z, rawAcceleration.z);
}

Pose3D AgentModel::supportSoleTransform() const {
    if (leftFootTouchsGround()) {
        return bodyModel.getLeftLegEndEffectorTransform();
    }
    if (rightFootTouchsGround()) {
        return bodyModel.getRightLegEndEffectorTransform();
    }
    // Neither foot is loaded: the lower sole is the likelier support.
    const Pose3D left = bodyModel.getLeftLegEndEffectorTransform();
    const Pose3D right = bodyModel.getRightLegEndEffectorTransform();
    return std::abs(left.translation.z) > std::abs(right.translation.z) ? left : right;
}

void AgentModel::updateCameraToRootTransform() {
    const Pose3D sole = supportSoleTransform();

    // The inverse of the sole pose, keeping only the height of the torso centre above the sole plane.
    Pose3D torsoToRoot;
    torsoToRoot.rotation = sole.rotation.transpose();
    torsoToRoot.translation = {0.0, 0.0, -(torsoToRoot.rotation * sole.translation).z};

    // The root frame keeps the torso's heading.
    const double yaw = torsoToRoot.rotation.getZAngle();
    if (!std::isnan(yaw)) {
        torsoToRoot.rotation.rotateZ(-yaw);
    }

    fromCameraToRootTransform = torsoToRoot * bodyModel.getTransformAtCenter(BodyPartType::HEAD);
}

Vector3<double> AgentModel::getTorsoAngularVelocity() const {
    return agentPerception == nullptr ? Vector3<double>() : agentPerception->getTorsoAngularVelocities();
}

Vector3<double> AgentModel::getTorsoAcceleration() const {
    return agentPerception == nullptr ? Vector3<double>() : agentPerception->getTorsoAcceleration();
}

bool AgentModel::leftFootTouchsGround() const {
    return agentPerception != nullptr &&
           agentPerception->getLeftFootForceResistanceData().getForce().z > FOOT_CONTACT_THRESHOLD;
}

bool AgentModel::rightFootTouchsGround() const {
    return agentPerception != nullptr &&
           agentPerception->getRightFootForceResistanceData().getForce().z > FOOT_CONTACT_THRESHOLD;
}

bool AgentModel::hasFallenFront() const { return filteredTorsoAcceleration.y < -FALLEN_ACCELERATION; }

bool AgentModel::hasFallenBack() const { return filteredTorsoAcceleration.y > FALLEN_ACCELERATION; }

bool AgentModel::hasFallenSide() const {
    return filteredTorsoAcceleration.x < -FALLEN_ACCELERATION || filteredTorsoAcceleration.x > FALLEN_ACCELERATION;
}

bool AgentModel::isCurrentlyFallen() const { return hasFallenFront() || hasFallenBack() || hasFallenSide(); }

bool AgentModel::hasFallen() {
    if (isCurrentlyFallen()) {
        standUpCounter = 0;
        fallen = true;
        return true;
    }
    if (!fallen) {
        return false;
    }
    if (standUpCounter >= STAND_UP_STEPS) {
        fallen = false;
        return false;
    }
    if (filteredTorsoAcceleration.z > UPRIGHT_ACCELERATION) {
        ++standUpCounter;
    }
    return true;
}

} // namespace modeling
