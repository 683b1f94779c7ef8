#ifndef MODELING_HINGEJOINTPROPERTIES_H
#define MODELING_HINGEJOINTPROPERTIES_H

#include "marlowinds_lib/math/Vector3.h"
#include "representations/NaoJoints.h"

#include <string>
#include <utility>

namespace modeling {

/// The hinge joint between a body part and its parent.
class HingeJointProperties {
public:
    /// The joint value of a part that no joint drives (the torso).
    static constexpr representations::NaoJoints::HINGE_JOINTS NO_JOINT =
        static_cast<representations::NaoJoints::HINGE_JOINTS>(23);

    HingeJointProperties() = default;
    HingeJointProperties(std::string name, representations::NaoJoints::HINGE_JOINTS joint,
                         const marlowinds_lib::math::Vector3<double>& anchor,
                         const marlowinds_lib::math::Vector3<double>& axis, double minAngle, double maxAngle)
        : name(std::move(name)), joint(joint), anchor(anchor), axis(axis), minAngle(minAngle), maxAngle(maxAngle) {}

    std::string name;
    /// The joint whose measured angle drives this one.
    representations::NaoJoints::HINGE_JOINTS joint = NO_JOINT;
    /// The joint's position relative to its part's centre, in the part's frame.
    marlowinds_lib::math::Vector3<double> anchor;
    /// The rotation axis in the part's frame; not necessarily of unit length.
    marlowinds_lib::math::Vector3<double> axis;
    /// The range is descriptive only: the kinematics clamp nothing.
    double minAngle = 0.0;
    double maxAngle = 0.0;
};

} // namespace modeling

#endif
