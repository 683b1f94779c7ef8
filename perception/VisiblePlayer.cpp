#include "perception/VisiblePlayer.h"

#include "perception/GroupReader.h"
#include "perception/MalformedGroupError.h"

namespace perception {

using marlowinds_lib::math::Vector3;

VisiblePlayer::VisiblePlayer(const utils::parser::ParserTreeNode& group) : teamName() {
    setObjectType(group.value);
    for (const utils::parser::ParserTreeNode& entry : group.children) {
        const std::string_view text = entry.value;
        const std::size_t blank = text.find(' ');
        const bool hasValue = blank != std::string_view::npos;
        std::string_view key = hasValue ? GroupReader::trim(text.substr(0, blank)) : std::string_view();
        const std::string_view value = hasValue ? GroupReader::trim(text.substr(blank + 1)) : std::string_view();
        // A body part's own text is its bare name.
        if (key.empty()) {
            key = GroupReader::trim(text);
        }
        if (key == "id" || key == "team") {
            if (!hasValue) {
                throw MalformedGroupError("\"" + entry.value + "\" has no value");
            }
            if (key == "id") {
                id = GroupReader::lexicalInt(value);
            } else {
                teamName.assign(value);
            }
            continue;
        }
        const std::string partName(key);
        setBodyPartPosition(partName, readStrictPolar(GroupReader::child(entry, 0)));
    }
    if (!bodyParts.empty()) {
        Vector3<double> sum;
        for (const auto& part : bodyParts) {
            sum += part.second;
        }
        position = sum * (1.0 / static_cast<double>(bodyParts.size()));
    }
}

void VisiblePlayer::transformPosition(const marlowinds_lib::math::Pose3D& pose) {
    VisibleObject::transformPosition(pose);
    for (auto& part : bodyParts) {
        part.second = pose * part.second;
    }
}

Vector3<double> VisiblePlayer::getBodyPartPosition(const std::string& partName) const {
    const auto found = bodyParts.find(partName);
    return found == bodyParts.end() ? Vector3<double>() : found->second;
}

void VisiblePlayer::setBodyPartPosition(const std::string& partName, const Vector3<double>& partPosition) {
    bodyParts.emplace(partName, partPosition);
}

} // namespace perception
