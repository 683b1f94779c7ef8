#include "perception/Perceptor.h"

#include "perception/GroupReader.h"
#include "representations/NaoJoints.h"

#include <boost/algorithm/string/predicate.hpp>

#include <array>
#include <locale>

namespace perception {

Perceptor::Perceptor(const utils::parser::ParserTreeNode& group) {
    const std::string_view text = GroupReader::trim(group.value);
    const std::string_view keyword = text.substr(0, text.find(' '));
    name.assign(keyword);
    type = PerceptorType::identifyType(keyword);
}

int Perceptor::getHingeJoint(const std::string& name) {
    return representations::NaoJoints::getPerceptorJointNumber(name);
}

int Perceptor::getBodyPart(const std::string& name) {
    static constexpr std::array<std::string_view, 12> BODY_PARTS{"torso",    "neck",  "head",     "shoulder",
                                                                 "upperarm", "elbow", "lowerarm", "hip1",
                                                                 "hip2",     "thigh", "shank",    "ankle"};
    const std::string_view text = GroupReader::trim(name);
    const std::string_view word = text.substr(0, text.find(' '));
    const std::locale locale;
    for (std::size_t part = 0; part < BODY_PARTS.size(); ++part) {
        if (boost::algorithm::iequals(word, BODY_PARTS[part], locale)) {
            return static_cast<int>(part);
        }
    }
    return static_cast<int>(BODY_PARTS.size());
}

} // namespace perception
