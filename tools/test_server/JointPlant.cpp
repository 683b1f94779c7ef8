#include "tools/test_server/JointPlant.h"

#include <algorithm>

namespace tools {
namespace test_server {

void JointPlant::apply(const Joints& speeds) {
    for (int joint = 0; joint < NUMBER_OF_JOINTS; ++joint) {
        angles[joint] += speeds[joint] * CYCLE;
    }
    setAngles(angles);
}

void JointPlant::setAngles(const Joints& posture) {
    for (int joint = 0; joint < NUMBER_OF_JOINTS; ++joint) {
        const auto hinge = static_cast<representations::NaoJoints::HINGE_JOINTS>(joint);
        angles[joint] = std::clamp(posture[joint], ranges.getMinimum(hinge), ranges.getMaximum(hinge));
    }
}

} // namespace test_server
} // namespace tools
