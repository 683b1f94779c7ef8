#ifndef MODELING_BODYMODEL_H
#define MODELING_BODYMODEL_H

#include "marlowinds_lib/math/Pose3D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "modeling/BodyPartProperties.h"
#include "modeling/BodyPartType.h"
#include "representations/NaoJoints.h"

#include <array>
#include <cstddef>

namespace modeling {

/// Forward kinematics of the simulated NAO: 23 rigid parts in a tree rooted at
/// the torso, one hinge joint each. Poses are in the torso frame (origin at the
/// torso centre, x forward, y left, z up); the geometry is the same for every
/// body type.
class BodyModel {
public:
    static constexpr int NUMBER_OF_BODY_PARTS = 23;

    BodyModel();
    virtual ~BodyModel() = default;

    /// Joint and centre poses of every part for the given angles (radians). A
    /// joint whose angle is not finite keeps its last finite angle, so one bad
    /// reading cannot poison every pose. Allocates nothing.
    void update(const representations::NaoJoints& angles);

    /// Throws std::out_of_range for a value that is no body part.
    const marlowinds_lib::math::Pose3D& getTransformAtCenter(BodyPartType part) const;
    const BodyPartProperties& getBodyPart(BodyPartType part) const;

    /// The sole points: the foot centre moved half the foot's height down its own z axis.
    marlowinds_lib::math::Pose3D getLeftLegEndEffectorTransform() const;
    marlowinds_lib::math::Pose3D getRightLegEndEffectorTransform() const;

    /// The mass-weighted mean of the part centres, in the torso frame.
    marlowinds_lib::math::Vector3<double> computeCenterOfMass() const;

private:
    void configureTorso();
    void configureHead();
    void configureLeftArm();
    void configureRightArm();
    void configureLeftLeg();
    void configureRightLeg();
    /// Turns the table, written in the simulator's frame (x right, y forward), into the torso frame.
    void configureCoordinateSystem();
    void configureChildren();
    void configureParts(BodyPartType first, BodyPartType last);

    void updateChildren(std::size_t parent);
    void updatePart(std::size_t part);
    marlowinds_lib::math::Pose3D getSoleTransform(BodyPartType foot) const;

    static std::size_t indexOf(BodyPartType part);

    std::array<BodyPartProperties, NUMBER_OF_BODY_PARTS> bodyParts;
    /// Each part's joint frame (origin at the joint anchor) in the torso frame.
    std::array<marlowinds_lib::math::Pose3D, NUMBER_OF_BODY_PARTS> jointTransforms;
    /// Each part's centre frame in the torso frame.
    std::array<marlowinds_lib::math::Pose3D, NUMBER_OF_BODY_PARTS> centerTransforms;
    /// The angles of the latest update, with non-finite readings replaced by the previous angle.
    representations::NaoJoints jointAngles;
};

} // namespace modeling

#endif
