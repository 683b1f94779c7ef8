#include "perception/GyroRatePerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/GroupReader.h"

namespace perception {

GyroRatePerceptor::GyroRatePerceptor(const utils::parser::ParserTreeNode& group)
    : Perceptor(group), sensorName(GroupReader::valueOfChild(group, 0)) {
    using marlowinds_lib::math::MathUtils;
    const auto degreesPerSecond = GroupReader::lexicalVector(GroupReader::valueOfChild(group, 1));
    angularVelocity = {MathUtils::degreesToRadians(degreesPerSecond.x), MathUtils::degreesToRadians(degreesPerSecond.y),
                       MathUtils::degreesToRadians(degreesPerSecond.z)};
}

} // namespace perception
