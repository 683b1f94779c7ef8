#ifndef MARLOWINDS_LIB_GEOMETRY_LINE2D_H
#define MARLOWINDS_LIB_GEOMETRY_LINE2D_H

#include "marlowinds_lib/math/Vector2.h"

namespace marlowinds_lib {
namespace geometry {

/// The line a*y + b*x + c = 0 (a multiplies y), optionally with the end points
/// of a segment. A line built from two points is normalised to a^2 + b^2 = 1, a >= 0.
/// Degenerate queries do not raise: they return fixed fallback values and print a
/// diagnostic line on the standard output.
class Line2D {
public:
    using Vector2 = math::Vector2<double>;

    Line2D() = default;
    Line2D(double a, double b, double c);
    Line2D(const Vector2& start, const Vector2& end);
    /// The line through point with the direction angle (radians); not a segment.
    Line2D(const Vector2& point, const double& angle);

    static Line2D makeLineFromTwoPoints(const Vector2& start, const Vector2& end);
    static Line2D makeLineFromPositionAndAngle(const Vector2& point, double angle);

    /// The line mirrored through the origin.
    Line2D operator-() const;

    double getACoefficient() const { return a; }
    double getBCoefficient() const { return b; }
    double getCCoefficient() const { return c; }
    const Vector2& getStart() const { return start; }
    const Vector2& getEnd() const { return end; }
    const Vector2& getCenter() const { return center; }
    /// True only for a line built from two points.
    bool isSegment() const { return segment; }

    /// 1000.0 for a vertical line.
    double getSlope() const;
    double getYGivenX(double x) const;
    double getXGivenY(double y) const;
    double getYIntercept() const;
    double getXIntercept() const;

    Vector2 getPointOnLineClosestTo(const Vector2& p) const;
    double getDistanceToPoint(const Vector2& p) const;
    /// The closest point of the segment start-end; start for a zero-length segment.
    Vector2 getPointOnLineSegClosestTo(const Vector2& p) const;
    /// Whether the projection of p on the line lies between q1 and q2.
    bool isInBetween(const Vector2& p, const Vector2& q1, const Vector2& q2) const;
    Line2D getOrthogonalLine(const Vector2& p) const;

    /// (0, 0) for (nearly) parallel lines.
    Vector2 getMyIntersection(const Line2D& other) const;
    /// Slope-based intersection; (0, 0) for lines of equal slope.
    Vector2 getIntersection(const Line2D& other) const;
    /// Proper crossing of the two segments (touching at an end point does not
    /// count); out is written only when true is returned.
    bool intersectWithLineSeg(const Line2D& other, Vector2& out) const;

    /// Unsigned angle between the lines, in [0, pi/2].
    double getMyAngleWith(const Line2D& other) const;
    /// Angle between the lines; negative when the slopes make an obtuse angle.
    double getAngleToLine(const Line2D& other) const;

private:
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    Vector2 start;
    Vector2 end;
    bool segment = false;
    Vector2 center;
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
