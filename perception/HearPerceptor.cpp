#include "perception/HearPerceptor.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/GroupReader.h"
#include "perception/MalformedGroupError.h"

#include <boost/algorithm/string/predicate.hpp>

#include <array>
#include <locale>

namespace perception {

HearPerceptor::HearPerceptor(const utils::parser::ParserTreeNode& group) : Perceptor(group) {
    std::array<std::string_view, 4> tokens;
    const std::size_t count =
        GroupReader::split(GroupReader::valueOf(GroupReader::trim(group.value)), tokens.data(), tokens.size());
    if (count < tokens.size()) {
        throw MalformedGroupError("four words expected after the keyword, " + std::to_string(count) + " given");
    }
    const double time = GroupReader::lexicalDouble(tokens[1]);
    const bool fromSelf = boost::algorithm::iequals(tokens[2], std::string_view("self"), std::locale());
    const double direction =
        fromSelf ? 0.0 : marlowinds_lib::math::MathUtils::degreesToRadians(GroupReader::lexicalDouble(tokens[2]));
    heardData = representations::HearData(std::string(tokens[0]), time, fromSelf, direction, std::string(tokens[3]));
}

} // namespace perception
