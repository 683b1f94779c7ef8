#include "tools/test_server/JointPlant.h"

#include "modeling/BodyModel.h"

#include <algorithm>

namespace tools {
namespace test_server {

JointPlant::JointPlant() {
    const modeling::BodyModel body;
    for (int part = 0; part < modeling::BodyModel::NUMBER_OF_BODY_PARTS; ++part) {
        const modeling::HingeJointProperties& hinge =
            body.getBodyPart(static_cast<modeling::BodyPartType>(part)).hingeJoint;
        if (hinge.joint >= 0 && hinge.joint < NUMBER_OF_JOINTS) {
            minimum[hinge.joint] = hinge.minAngle;
            maximum[hinge.joint] = hinge.maxAngle;
        }
    }
}

void JointPlant::apply(const Joints& speeds) {
    for (int joint = 0; joint < NUMBER_OF_JOINTS; ++joint) {
        angles[joint] += speeds[joint] * CYCLE;
    }
    setAngles(angles);
}

void JointPlant::setAngles(const Joints& posture) {
    for (int joint = 0; joint < NUMBER_OF_JOINTS; ++joint) {
        angles[joint] = std::clamp(posture[joint], minimum[joint], maximum[joint]);
    }
}

} // namespace test_server
} // namespace tools
