#include "perception/VisibleLine.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "perception/GroupReader.h"

namespace perception {

VisibleLine::VisibleLine(const utils::parser::ParserTreeNode& group)
    : VisibleObject(group), position2(readLenientPolar(GroupReader::child(group, 1), false)) {}

void VisibleLine::transformPosition(const marlowinds_lib::math::Pose3D& pose) {
    VisibleObject::transformPosition(pose);
    position2 = pose * position2;
}

double VisibleLine::getHorizontalAngleDeg2() const {
    return marlowinds_lib::math::MathUtils::radiansToDegrees(getHorizontalAngle2());
}

double VisibleLine::getLatitudeAngleDeg2() const {
    return marlowinds_lib::math::MathUtils::radiansToDegrees(getLatitudeAngle2());
}

} // namespace perception
