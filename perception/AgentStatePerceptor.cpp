#include "perception/AgentStatePerceptor.h"

#include "perception/GroupReader.h"

namespace perception {

AgentStatePerceptor::AgentStatePerceptor(const utils::parser::ParserTreeNode& group)
    : Perceptor(group), temperature(GroupReader::leadingDouble(GroupReader::valueOfChild(group, 0))),
      battery(GroupReader::leadingDouble(GroupReader::valueOfChild(group, 1))) {}

} // namespace perception
