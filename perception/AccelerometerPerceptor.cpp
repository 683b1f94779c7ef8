#include "perception/AccelerometerPerceptor.h"

#include "perception/GroupReader.h"

namespace perception {

AccelerometerPerceptor::AccelerometerPerceptor(const utils::parser::ParserTreeNode& group) : Perceptor(group) {
    setName(GroupReader::valueOfChild(group, 0));
    acceleration = GroupReader::lexicalVector(GroupReader::valueOfChild(group, 1));
}

} // namespace perception
