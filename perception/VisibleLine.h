#ifndef PERCEPTION_VISIBLELINE_H
#define PERCEPTION_VISIBLELINE_H

#include "perception/VisibleObject.h"

namespace perception {

/// A seen stretch of field line: (L (pol D H V) (pol D H V)), both ends read
/// leniently. The position is the first end.
class VisibleLine : public VisibleObject {
public:
    VisibleLine() = default;
    explicit VisibleLine(const utils::parser::ParserTreeNode& group);

    void transformPosition(const marlowinds_lib::math::Pose3D& pose) override;

    const marlowinds_lib::math::Vector3<double>& getPosition2() const { return position2; }
    double getDistance2() const { return distanceOf(position2); }
    double getHorizontalAngle2() const { return horizontalAngleOf(position2); }
    double getHorizontalAngleDeg2() const;
    double getLatitudeAngle2() const { return latitudeAngleOf(position2); }
    double getLatitudeAngleDeg2() const;

private:
    marlowinds_lib::math::Vector3<double> position2;
};

} // namespace perception

#endif
