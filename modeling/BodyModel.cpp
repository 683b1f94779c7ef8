#include "modeling/BodyModel.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/RotationMatrix.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace modeling {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;
using J = representations::NaoJoints;
using P = BodyPartType;

/// One row of the part table, in the simulator's frame (x right, y forward, z up), limits in degrees.
struct PartRow {
    const char* name;
    BodyPartType type;
    BodyPartType parent;
    Vector3<double> relativePosition;
    double mass;
    BoundingBox box;
    const char* jointName;
    J::HINGE_JOINTS joint;
    Vector3<double> anchor;
    Vector3<double> axis;
    double minAngle;
    double maxAngle;
};

constexpr double HALF_SQRT2 = 0.7071067811865476;

// clang-format off
const PartRow PART_TABLE[BodyModel::NUMBER_OF_BODY_PARTS] = {
    {"torso", P::TORSO, P::NO_PART, {0, 0, 0}, 1.2171, BoundingBox(0.1, 0.1, 0.18),
     "", HingeJointProperties::NO_JOINT, {0, 0, 0}, {0, 0, 0}, 0, 0},
    {"neck", P::NECK, P::TORSO, {0, 0, 0.09}, 0.05, BoundingBox(0.08, 0.015),
     "HJ1", J::NECK_YAW, {0, 0, 0}, {0, 0, 1}, -120, 120},
    {"head", P::HEAD, P::NECK, {0, 0, 0.065}, 0.35, BoundingBox(0.065),
     "HJ2", J::NECK_PITCH, {0, 0, -0.005}, {1, 0, 0}, -45, 45},
    {"leftShoulder", P::LEFT_SHOULDER, P::TORSO, {-0.098, 0, 0.075}, 0.07, BoundingBox(0.01),
     "LAJ1", J::LEFT_SHOULDER_PITCH, {0, 0, 0}, {1, 0, 0}, -120, 120},
    {"leftUpperarm", P::LEFT_UPPERARM, P::LEFT_SHOULDER, {-0.01, 0.02, 0}, 0.15, BoundingBox(0.07, 0.08, 0.06),
     "LAJ2", J::LEFT_SHOULDER_YAW, {0.01, -0.02, 0}, {0, 0, 1}, -1, 95},
    {"leftElbow", P::LEFT_ELBOW, P::LEFT_UPPERARM, {0.01, 0.07, 0.009}, 0.035, BoundingBox(0.01),
     "LAJ3", J::LEFT_ARM_ROLL, {0, 0, 0}, {0, 1, 0}, -120, 120},
    {"leftLowerarm", P::LEFT_LOWERARM, P::LEFT_ELBOW, {0, 0.05, 0}, 0.2, BoundingBox(0.05, 0.11, 0.05),
     "LAJ4", J::LEFT_ARM_YAW, {0, -0.05, 0}, {0, 0, 1}, -90, 1},
    {"rightShoulder", P::RIGHT_SHOULDER, P::TORSO, {0.098, 0, 0.075}, 0.07, BoundingBox(0.01),
     "RAJ1", J::RIGHT_SHOULDER_PITCH, {0, 0, 0}, {1, 0, 0}, -120, 120},
    {"rightUpperarm", P::RIGHT_UPPERARM, P::RIGHT_SHOULDER, {0.01, 0.02, 0}, 0.15, BoundingBox(0.07, 0.08, 0.06),
     "RAJ2", J::RIGHT_SHOULDER_YAW, {-0.01, -0.02, 0}, {0, 0, 1}, -95, 1},
    {"rightElbow", P::RIGHT_ELBOW, P::RIGHT_UPPERARM, {-0.01, 0.07, 0.009}, 0.035, BoundingBox(0.01),
     "RAJ3", J::RIGHT_ARM_ROLL, {0, 0, 0}, {0, 1, 0}, -120, 120},
    {"rightLowerarm", P::RIGHT_LOWERARM, P::RIGHT_ELBOW, {0, 0.05, 0}, 0.2, BoundingBox(0.05, 0.11, 0.05),
     "RAJ4", J::RIGHT_ARM_YAW, {0, -0.05, 0}, {0, 0, 1}, -1, 90},
    {"leftHip1", P::LEFT_HIP1, P::TORSO, {-0.055, -0.01, -0.115}, 0.09, BoundingBox(0.01),
     "LLJ1", J::LEFT_HIP_YAWPITCH, {0, 0, 0}, {-HALF_SQRT2, 0, -HALF_SQRT2}, -90, 1},
    {"leftHip2", P::LEFT_HIP2, P::LEFT_HIP1, {0, 0, 0}, 0.125, BoundingBox(0.01),
     "LLJ2", J::LEFT_HIP_ROLL, {0, 0, 0}, {0, 1, 0}, -25, 45},
    {"leftThigh", P::LEFT_THIGH, P::LEFT_HIP2, {0, 0.01, -0.04}, 0.275, BoundingBox(0.07, 0.07, 0.14),
     "LLJ3", J::LEFT_HIP_PITCH, {0, -0.01, 0.04}, {1, 0, 0}, -25, 100},
    {"leftShank", P::LEFT_SHANK, P::LEFT_THIGH, {0, 0.005, -0.125}, 0.225, BoundingBox(0.08, 0.07, 0.11),
     "LLJ4", J::LEFT_KNEE_PITCH, {0, -0.01, 0.045}, {1, 0, 0}, -130, 1},
    {"leftAnkle", P::LEFT_ANKLE, P::LEFT_SHANK, {0, -0.01, -0.055}, 0.125, BoundingBox(0.01),
     "LLJ5", J::LEFT_FOOT_PITCH, {0, 0, 0}, {1, 0, 0}, -45, 75},
    {"leftFoot", P::LEFT_FOOT, P::LEFT_ANKLE, {0, 0.03, -0.04}, 0.2, BoundingBox(0.08, 0.16, 0.02),
     "LLJ6", J::LEFT_FOOT_ROLL, {0, -0.03, 0.04}, {0, 1, 0}, -45, 25},
    {"rightHip1", P::RIGHT_HIP1, P::TORSO, {0.055, -0.01, -0.115}, 0.09, BoundingBox(0.01),
     "RLJ1", J::RIGHT_HIP_YAWPITCH, {0, 0, 0}, {-HALF_SQRT2, 0, HALF_SQRT2}, -90, 1},
    {"rightHip2", P::RIGHT_HIP2, P::RIGHT_HIP1, {0, 0, 0}, 0.125, BoundingBox(0.01),
     "RLJ2", J::RIGHT_HIP_ROLL, {0, 0, 0}, {0, 1, 0}, -45, 25},
    {"rightThigh", P::RIGHT_THIGH, P::RIGHT_HIP2, {0, 0.01, -0.04}, 0.275, BoundingBox(0.07, 0.07, 0.14),
     "RLJ3", J::RIGHT_HIP_PITCH, {0, -0.01, 0.04}, {1, 0, 0}, -25, 100},
    {"rightShank", P::RIGHT_SHANK, P::RIGHT_THIGH, {0, 0.005, -0.125}, 0.225, BoundingBox(0.08, 0.07, 0.11),
     "RLJ4", J::RIGHT_KNEE_PITCH, {0, -0.01, 0.045}, {1, 0, 0}, -130, 1},
    {"rightAnkle", P::RIGHT_ANKLE, P::RIGHT_SHANK, {0, -0.01, -0.055}, 0.125, BoundingBox(0.01),
     "RLJ5", J::RIGHT_FOOT_PITCH, {0, 0, 0}, {1, 0, 0}, -45, 75},
    {"rightFoot", P::RIGHT_FOOT, P::RIGHT_ANKLE, {0, 0.03, -0.04}, 0.2, BoundingBox(0.08, 0.16, 0.02),
     "RLJ6", J::RIGHT_FOOT_ROLL, {0, -0.03, 0.04}, {0, 1, 0}, -25, 45},
};
// clang-format on

/// The rotation of -90 degrees about z, written exactly: (x, y, z) -> (y, -x, z).
const RotationMatrix SIMULATOR_TO_TORSO_FRAME({0, -1, 0}, {1, 0, 0}, {0, 0, 1});

} // namespace

BodyModel::BodyModel() {
    configureTorso();
    configureHead();
    configureLeftArm();
    configureRightArm();
    configureLeftLeg();
    configureRightLeg();
    configureCoordinateSystem();
    configureChildren();
}

void BodyModel::configureParts(BodyPartType first, BodyPartType last) {
    for (std::size_t i = indexOf(first); i <= indexOf(last); ++i) {
        const PartRow& row = PART_TABLE[i];
        bodyParts[i] = BodyPartProperties(row.name, row.type, row.parent, row.relativePosition, row.mass, row.box,
                                          HingeJointProperties(row.jointName, row.joint, row.anchor, row.axis,
                                                               MathUtils::degreesToRadians(row.minAngle),
                                                               MathUtils::degreesToRadians(row.maxAngle)));
    }
}

void BodyModel::configureTorso() { configureParts(P::TORSO, P::TORSO); }
void BodyModel::configureHead() { configureParts(P::NECK, P::HEAD); }
void BodyModel::configureLeftArm() { configureParts(P::LEFT_SHOULDER, P::LEFT_LOWERARM); }
void BodyModel::configureRightArm() { configureParts(P::RIGHT_SHOULDER, P::RIGHT_LOWERARM); }
void BodyModel::configureLeftLeg() { configureParts(P::LEFT_HIP1, P::LEFT_FOOT); }
void BodyModel::configureRightLeg() { configureParts(P::RIGHT_HIP1, P::RIGHT_FOOT); }

void BodyModel::configureCoordinateSystem() {
    for (BodyPartProperties& part : bodyParts) {
        part.relativePosition = SIMULATOR_TO_TORSO_FRAME * part.relativePosition;
        part.hingeJoint.anchor = SIMULATOR_TO_TORSO_FRAME * part.hingeJoint.anchor;
        part.hingeJoint.axis = SIMULATOR_TO_TORSO_FRAME * part.hingeJoint.axis;
        part.boundingBox.transform(SIMULATOR_TO_TORSO_FRAME);
    }
}

void BodyModel::configureChildren() {
    for (const BodyPartProperties& part : bodyParts) {
        if (part.parent != P::NO_PART) {
            bodyParts[indexOf(part.parent)].children.push_back(part.type);
        }
    }
}

void BodyModel::update(const representations::NaoJoints& angles) {
    for (int joint = 0; joint < representations::NaoJoints::NUMBER_OF_JOINTS; ++joint) {
        const auto hinge = static_cast<representations::NaoJoints::HINGE_JOINTS>(joint);
        const double angle = angles.getValue(hinge);
        if (std::isfinite(angle)) {
            jointAngles.setValue(hinge, angle);
        }
    }
    updateChildren(indexOf(P::TORSO));
}

void BodyModel::updateChildren(std::size_t parent) {
    for (const BodyPartType child : bodyParts[parent].children) {
        updatePart(indexOf(child));
        updateChildren(indexOf(child));
    }
}

void BodyModel::updatePart(std::size_t part) {
    const BodyPartProperties& properties = bodyParts[part];
    const std::size_t parent = indexOf(properties.parent);
    const HingeJointProperties& joint = properties.hingeJoint;
    const Pose3D& parentJoint = jointTransforms[parent];

    // The joint's position relative to the parent's joint, in the parent's joint frame.
    const Vector3<double> offset = properties.relativePosition - bodyParts[parent].hingeJoint.anchor + joint.anchor;
    Pose3D& jointTransform = jointTransforms[part];
    jointTransform.rotation = parentJoint.rotation * RotationMatrix(joint.axis, jointAngles.getValue(joint.joint));
    jointTransform.translation = parentJoint.rotation * offset + parentJoint.translation;

    Pose3D& centerTransform = centerTransforms[part];
    centerTransform.rotation = jointTransform.rotation;
    centerTransform.translation = jointTransform.translation - jointTransform.rotation * joint.anchor;
}

const Pose3D& BodyModel::getTransformAtCenter(BodyPartType part) const { return centerTransforms[indexOf(part)]; }

const BodyPartProperties& BodyModel::getBodyPart(BodyPartType part) const { return bodyParts[indexOf(part)]; }

Pose3D BodyModel::getSoleTransform(BodyPartType foot) const {
    Pose3D sole = getTransformAtCenter(foot);
    sole.translate({0.0, 0.0, -getBodyPart(foot).boundingBox.getHeight() / 2.0});
    return sole;
}

Pose3D BodyModel::getLeftLegEndEffectorTransform() const { return getSoleTransform(P::LEFT_FOOT); }

Pose3D BodyModel::getRightLegEndEffectorTransform() const { return getSoleTransform(P::RIGHT_FOOT); }

Vector3<double> BodyModel::computeCenterOfMass() const {
    Vector3<double> weightedSum;
    double totalMass = 0.0;
    for (std::size_t i = 0; i < bodyParts.size(); ++i) {
        weightedSum += centerTransforms[i].translation * bodyParts[i].mass;
        totalMass += bodyParts[i].mass;
    }
    return weightedSum / totalMass;
}

std::size_t BodyModel::indexOf(BodyPartType part) {
    const int index = static_cast<int>(part);
    if (index < 0 || index >= NUMBER_OF_BODY_PARTS) {
        throw std::out_of_range("BodyModel: " + std::to_string(index) + " is no body part");
    }
    return static_cast<std::size_t>(index);
}

} // namespace modeling
