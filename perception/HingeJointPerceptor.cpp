#include "perception/HingeJointPerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/GroupReader.h"

namespace perception {

HingeJointPerceptor::HingeJointPerceptor(const utils::parser::ParserTreeNode& group) : Perceptor(group) {
    setName(GroupReader::valueOfChild(group, 0));
    angle = marlowinds_lib::math::MathUtils::degreesToRadians(
        GroupReader::requiredLeadingDouble(GroupReader::valueOfChild(group, 1)));
}

} // namespace perception
