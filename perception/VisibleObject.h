#ifndef PERCEPTION_VISIBLEOBJECT_H
#define PERCEPTION_VISIBLEOBJECT_H

#include "marlowinds_lib/math/Pose3D.h"
#include "marlowinds_lib/math/Vector3.h"
#include "perception/Perceptor.h"
#include "perception/VisibleObjectType.h"
#include "utils/parser/ParserTreeNode.h"

#include <string>
#include <string_view>

namespace perception {

/// Something the camera saw, at a Cartesian position (metres) in the camera
/// frame until the world model moves it into its own frame. The base Perceptor
/// stays default-constructed; the object keeps the server's name itself.
class VisibleObject : public Perceptor {
public:
    /// Name "unknown", kind UNKNOWN, position 0.
    VisibleObject() = default;
    VisibleObject(std::string name, VisibleObjectType::VISIBLE_OBJECT_TYPE kind,
                  const marlowinds_lib::math::Vector3<double>& position);
    /// Name and kind from the group's text; position from its first nested
    /// (polar) group, whose numbers are read leniently (text that is no number
    /// reads 0).
    explicit VisibleObject(const utils::parser::ParserTreeNode& group);

    /// Moves the object, with every point it has, by pose.
    virtual void transformPosition(const marlowinds_lib::math::Pose3D& pose);

    const std::string& getName() const { return name; }
    const marlowinds_lib::math::Vector3<double>& getPosition() const { return position; }
    VisibleObjectType::VISIBLE_OBJECT_TYPE getVisibleObjectType() const { return kind; }
    /// The kind a server name selects; an unknown name keeps the kind.
    void setObjectType(const std::string& objectName);
    /// Exact match of a server name; UNKNOWN for any other text.
    static VisibleObjectType::VISIBLE_OBJECT_TYPE identifyType(std::string_view objectName);

    double getDistance() const { return distanceOf(position); }
    /// atan2(y, x).
    double getHorizontalAngle() const { return horizontalAngleOf(position); }
    double getHorizontalAngleDeg() const;
    /// asin(z / distance): not a number at distance 0.
    double getLatitudeAngle() const { return latitudeAngleOf(position); }
    double getLatitudeAngleDeg() const;

protected:
    static double distanceOf(const marlowinds_lib::math::Vector3<double>& point) { return point.norm(); }
    static double horizontalAngleOf(const marlowinds_lib::math::Vector3<double>& point);
    static double latitudeAngleOf(const marlowinds_lib::math::Vector3<double>& point);

    /// The Cartesian point of a polar reading: distance, then horizontal and
    /// latitude angles in degrees.
    static marlowinds_lib::math::Vector3<double> fromPolar(double distance, double horizontalDegrees,
                                                           double latitudeDegrees);
    /// A polar group (its key is not compared) with the three numbers read
    /// leniently; trimValue trims the numbers' text before it is split.
    static marlowinds_lib::math::Vector3<double> readLenientPolar(const utils::parser::ParserTreeNode& polar,
                                                                  bool trimValue);
    /// A polar group with the three numbers read lexical, the text not trimmed.
    static marlowinds_lib::math::Vector3<double> readStrictPolar(const utils::parser::ParserTreeNode& polar);

    marlowinds_lib::math::Vector3<double> position;

private:
    VisibleObjectType::VISIBLE_OBJECT_TYPE kind = VisibleObjectType::UNKNOWN;
    std::string name = "unknown";
};

} // namespace perception

#endif
