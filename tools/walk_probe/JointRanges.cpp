#include "tools/walk_probe/JointRanges.h"

#include "modeling/BodyModel.h"

namespace tools {
namespace walk_probe {

JointRanges::JointRanges() {
    const modeling::BodyModel body;
    for (int part = 0; part < modeling::BodyModel::NUMBER_OF_BODY_PARTS; ++part) {
        const modeling::HingeJointProperties& hinge =
            body.getBodyPart(static_cast<modeling::BodyPartType>(part)).hingeJoint;
        if (hinge.joint >= 0 && hinge.joint < representations::NaoJoints::NUMBER_OF_JOINTS) {
            ranges[hinge.joint] = {hinge.name, hinge.minAngle, hinge.maxAngle};
        }
    }
}

bool JointRanges::contains(representations::NaoJoints::HINGE_JOINTS joint, double serverAngle) const {
    return serverAngle >= ranges[joint].minimum && serverAngle <= ranges[joint].maximum;
}

} // namespace walk_probe
} // namespace tools
