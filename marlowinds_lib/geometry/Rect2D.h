#ifndef MARLOWINDS_LIB_GEOMETRY_RECT2D_H
#define MARLOWINDS_LIB_GEOMETRY_RECT2D_H

#include "marlowinds_lib/geometry/Size2D.h"
#include "marlowinds_lib/geometry/Vector2D.h"

#include <algorithm>
#include <cmath>

namespace marlowinds_lib {
namespace geometry {

/// An axis-aligned rectangle; "top" is the side with the smaller y.
class Rect2D {
public:
    /// From any two opposite corners.
    Rect2D(const Vector2D& p, const Vector2D& q)
        : corner(std::min(p.x, q.x), std::min(p.y, q.y)), extent(std::fabs(q.x - p.x), std::fabs(q.y - p.y)) {}

    double left() const { return corner.x; }
    double top() const { return corner.y; }
    double right() const { return corner.x + extent.length(); }
    double bottom() const { return corner.y + extent.width(); }
    const Size2D& size() const { return extent; }
    Vector2D center() const { return {corner.x + extent.length() / 2.0, corner.y + extent.width() / 2.0}; }

private:
    Vector2D corner;
    Size2D extent;
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
