#ifndef MODELING_BODYPARTPROPERTIES_H
#define MODELING_BODYPARTPROPERTIES_H

#include "marlowinds_lib/math/Vector3.h"
#include "modeling/BodyPartType.h"
#include "modeling/BoundingBox.h"
#include "modeling/HingeJointProperties.h"

#include <string>
#include <utility>
#include <vector>

namespace modeling {

/// One rigid body part of the NAO and the joint that hangs it from its parent.
class BodyPartProperties {
public:
    BodyPartProperties() = default;
    BodyPartProperties(std::string name, BodyPartType type, BodyPartType parent,
                       const marlowinds_lib::math::Vector3<double>& relativePosition, double mass,
                       const BoundingBox& boundingBox, HingeJointProperties hingeJoint)
        : name(std::move(name)), type(type), parent(parent), relativePosition(relativePosition), mass(mass),
          boundingBox(boundingBox), hingeJoint(std::move(hingeJoint)) {}

    std::string name;
    BodyPartType type = BodyPartType::NO_PART;
    BodyPartType parent = BodyPartType::NO_PART;
    /// The part's centre relative to its parent's centre, in the parent's frame.
    marlowinds_lib::math::Vector3<double> relativePosition;
    double mass = 0.0;
    BoundingBox boundingBox;
    HingeJointProperties hingeJoint;
    /// In ascending number.
    std::vector<BodyPartType> children;
};

} // namespace modeling

#endif
