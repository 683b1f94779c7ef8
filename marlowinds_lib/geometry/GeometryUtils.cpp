#include "marlowinds_lib/geometry/GeometryUtils.h"

namespace marlowinds_lib {
namespace geometry {

namespace {
double cross(const math::Vector2<double>& u, const math::Vector2<double>& v) { return u.x * v.y - u.y * v.x; }
} // namespace

double GeometryUtils::getDistanceTo(const math::Vector2<double>& p, const math::Vector2<double>& q) {
    return p.distance(q);
}

bool GeometryUtils::pointIsBetweenLines(const math::Vector2<double>& p, const Line2D& l1, const Line2D& l2) {
    const bool rightOfFirst = cross(l1.getEnd() - l1.getStart(), p - l1.getStart()) < 0.0;
    const bool leftOfSecond = cross(l2.getEnd() - l2.getStart(), p - l2.getStart()) > 0.0;
    return rightOfFirst && leftOfSecond;
}

} // namespace geometry
} // namespace marlowinds_lib
