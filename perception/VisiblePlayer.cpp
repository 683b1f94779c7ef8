#include "perception/VisiblePlayer.h"

#include "perception/GroupReader.h"

namespace perception {

using marlowinds_lib::math::Vector3;

VisiblePlayer::VisiblePlayer(const utils::parser::ParserTreeNode& group) : teamName() {
    setObjectType(group.value);
    for (const utils::parser::ParserTreeNode& entry : group.children) {
        auto [key, value, hasValue] = GroupReader::keyAndValue(entry.value);
        // A body part's own text is its bare name (a leading blank leaves no key).
        if (key.empty()) {
            key = GroupReader::trim(entry.value);
        }
        if (key == "id" || key == "team") {
            if (!hasValue) {
                throw GroupReader::missingValue(entry.value);
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

// Only reads: adding an unseen part at 0 would skew the fall test, which reads every part.
Vector3<double> VisiblePlayer::getBodyPartPosition(const std::string& partName) const {
    const auto found = bodyParts.find(partName);
    return found == bodyParts.end() ? Vector3<double>() : found->second;
}

void VisiblePlayer::setBodyPartPosition(const std::string& partName, const Vector3<double>& partPosition) {
    bodyParts.emplace(partName, partPosition);
}

} // namespace perception
