#include "perception/VisibleObject.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/GroupReader.h"

#include <cmath>
#include <utility>

namespace perception {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Vector3;

VisibleObject::VisibleObject(std::string name, VisibleObjectType::VISIBLE_OBJECT_TYPE kind,
                             const Vector3<double>& position)
    : position(position), kind(kind), name(std::move(name)) {}

VisibleObject::VisibleObject(const utils::parser::ParserTreeNode& group) : name(group.value) {
    setObjectType(name);
    position = readLenientPolar(GroupReader::child(group, 0), true);
}

void VisibleObject::transformPosition(const marlowinds_lib::math::Pose3D& pose) { position = pose * position; }

void VisibleObject::setObjectType(const std::string& objectName) {
    const auto identified = identifyType(GroupReader::trim(objectName));
    if (identified != VisibleObjectType::UNKNOWN) {
        kind = identified;
    }
}

VisibleObjectType::VISIBLE_OBJECT_TYPE VisibleObject::identifyType(std::string_view objectName) {
    if (objectName == "F1L" || objectName == "F2L" || objectName == "F1R" || objectName == "F2R") {
        return VisibleObjectType::FLAG;
    }
    if (objectName == "G1L" || objectName == "G2L" || objectName == "G1R" || objectName == "G2R") {
        return VisibleObjectType::GOAL_POST;
    }
    if (objectName == "B") {
        return VisibleObjectType::BALL;
    }
    if (objectName == "P") {
        return VisibleObjectType::PLAYER;
    }
    if (objectName == "L") {
        return VisibleObjectType::LINE;
    }
    return VisibleObjectType::UNKNOWN;
}

double VisibleObject::getHorizontalAngleDeg() const { return MathUtils::radiansToDegrees(getHorizontalAngle()); }

double VisibleObject::getLatitudeAngleDeg() const { return MathUtils::radiansToDegrees(getLatitudeAngle()); }

double VisibleObject::horizontalAngleOf(const Vector3<double>& point) { return std::atan2(point.y, point.x); }

double VisibleObject::latitudeAngleOf(const Vector3<double>& point) { return std::asin(point.z / distanceOf(point)); }

Vector3<double> VisibleObject::fromPolar(double distance, double horizontalDegrees, double latitudeDegrees) {
    const double horizontal = MathUtils::degreesToRadians(horizontalDegrees);
    const double latitude = MathUtils::degreesToRadians(latitudeDegrees);
    return {distance * std::cos(latitude) * std::cos(horizontal), distance * std::cos(latitude) * std::sin(horizontal),
            distance * std::sin(latitude)};
}

Vector3<double> VisibleObject::readLenientPolar(const utils::parser::ParserTreeNode& polar, bool trimValue) {
    std::string_view numbers = GroupReader::valueOf(polar.value);
    if (trimValue) {
        numbers = GroupReader::trim(numbers);
    }
    const auto tokens = GroupReader::splitThree(numbers);
    return fromPolar(GroupReader::leadingDouble(tokens[0]), GroupReader::leadingDouble(tokens[1]),
                     GroupReader::leadingDouble(tokens[2]));
}

Vector3<double> VisibleObject::readStrictPolar(const utils::parser::ParserTreeNode& polar) {
    const auto reading = GroupReader::lexicalVector(GroupReader::valueOf(polar.value));
    return fromPolar(reading.x, reading.y, reading.z);
}

} // namespace perception
