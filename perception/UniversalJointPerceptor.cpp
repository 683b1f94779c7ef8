#include "perception/UniversalJointPerceptor.h"

#include "perception/GroupReader.h"

namespace perception {

UniversalJointPerceptor::UniversalJointPerceptor(const utils::parser::ParserTreeNode& group)
    : Perceptor(group), sensorName(GroupReader::valueOfChild(group, 0)),
      angleAxis1(GroupReader::leadingDouble(GroupReader::valueOfChild(group, 1))),
      angleAxis2(GroupReader::leadingDouble(GroupReader::valueOfChild(group, 2))) {}

} // namespace perception
