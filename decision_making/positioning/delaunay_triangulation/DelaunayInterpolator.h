#ifndef DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYINTERPOLATOR_H
#define DECISION_MAKING_POSITIONING_DELAUNAY_TRIANGULATION_DELAUNAYINTERPOLATOR_H

#include "decision_making/positioning/delaunay_triangulation/DelaunayFileParser.h"
#include "marlowinds_lib/geometry/DelaunayTriangulation.h"
#include "marlowinds_lib/geometry/Vector2D.h"
#include "marlowinds_lib/math/Vector2.h"

#include <array>
#include <memory>
#include <vector>

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

/// One formation: the team's positions for any ball position, blended from
/// the samples at the corners of the sample triangle that holds the ball.
class DelaunayInterpolator {
public:
    /// Index uniform number - 1; held by value, so that the cycle allocates nothing.
    using TeamPositions = std::array<marlowinds_lib::math::Vector2<double>, DelaunayFileParser::NUMBER_OF_PLAYERS>;

    /// The triangulation's vertex ids index the team positions.
    DelaunayInterpolator(std::unique_ptr<marlowinds_lib::geometry::DelaunayTriangulation> triangulation,
                         std::vector<std::vector<marlowinds_lib::geometry::Vector2D>> teamPositions);
    virtual ~DelaunayInterpolator() = default;

    /// The eleven positions for the ball, clamped to the field like the ball
    /// itself. A ball on a sample gives that sample, a ball on a triangle's
    /// side blends its two samples linearly. All are (0, 0) for a ball that no
    /// triangle holds, which cannot happen when the samples cover the field.
    TeamPositions interpolate(marlowinds_lib::math::Vector2<double> ball) const;
    /// Whether the samples' triangles hold every ball position on the field.
    bool coversField() const;

private:
    std::vector<std::vector<marlowinds_lib::geometry::Vector2D>> teamPositions;
    std::unique_ptr<marlowinds_lib::geometry::DelaunayTriangulation> triangulation;
};

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making

#endif
