#include "perception/TouchPerceptor.h"

#include "perception/GroupReader.h"
#include "perception/MalformedGroupError.h"

#include <array>

namespace perception {

TouchPerceptor::TouchPerceptor(const utils::parser::ParserTreeNode& group) : Perceptor(group) {
    std::array<std::string_view, 5> tokens;
    const std::size_t count = GroupReader::split(GroupReader::trim(group.value), tokens.data(), tokens.size());
    if (count < tokens.size()) {
        throw MalformedGroupError("five words expected, " + std::to_string(count) + " given");
    }
    sensorName.assign(tokens[2]);
    touching = GroupReader::lexicalBool(tokens[4]);
}

} // namespace perception
