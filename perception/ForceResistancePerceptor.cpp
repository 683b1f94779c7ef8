#include "perception/ForceResistancePerceptor.h"

#include "perception/GroupReader.h"

namespace perception {

ForceResistancePerceptor::ForceResistancePerceptor(const utils::parser::ParserTreeNode& group) : Perceptor(group) {
    setName(GroupReader::trim(GroupReader::valueOfChild(group, 0)));
    forceResistanceData =
        representations::ForceResistanceData(GroupReader::lexicalVector(GroupReader::valueOfChild(group, 1)),
                                             GroupReader::lexicalVector(GroupReader::valueOfChild(group, 2)));
}

} // namespace perception
