#ifndef MARLOWINDS_LIB_GEOMETRY_GEOMETRYUTILS_H
#define MARLOWINDS_LIB_GEOMETRY_GEOMETRYUTILS_H

#include "marlowinds_lib/geometry/Line2D.h"
#include "marlowinds_lib/math/Vector2.h"

namespace marlowinds_lib {
namespace geometry {

class GeometryUtils {
public:
    virtual ~GeometryUtils() = default;

    static double getDistanceTo(const math::Vector2<double>& p, const math::Vector2<double>& q);

    /// True when p lies strictly right of l1 and strictly left of l2, each line
    /// oriented from its start to its end.
    static bool pointIsBetweenLines(const math::Vector2<double>& p, const Line2D& l1, const Line2D& l2);
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
