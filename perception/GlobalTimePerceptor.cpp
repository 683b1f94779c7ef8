#include "perception/GlobalTimePerceptor.h"

#include "perception/GroupReader.h"

namespace perception {

GlobalTimePerceptor::GlobalTimePerceptor(const utils::parser::ParserTreeNode& group)
    : Perceptor(group), globalTime(GroupReader::lexicalDouble(GroupReader::valueOfChild(group, 0))) {}

} // namespace perception
