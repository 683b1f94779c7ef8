#include "decision_making/positioning/delaunay_triangulation/DelaunayInterpolator.h"

#include "decision_making/positioning/delaunay_triangulation/DelaunayFileParser.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/FieldDescription.h"

namespace decision_making {
namespace positioning {
namespace delaunay_triangulation {

namespace {

using marlowinds_lib::geometry::Vector2D;
using marlowinds_lib::math::MathUtils;
using modeling::FieldDescription;
using Vector2 = marlowinds_lib::math::Vector2<double>;

Vector2D clampedToField(double x, double y) {
    return Vector2D(MathUtils::clamp(x, -FieldDescription::FIELD_LENGTH / 2.0, FieldDescription::FIELD_LENGTH / 2.0),
                    MathUtils::clamp(y, -FieldDescription::FIELD_WIDTH / 2.0, FieldDescription::FIELD_WIDTH / 2.0));
}

} // namespace

DelaunayInterpolator::DelaunayInterpolator(
    std::unique_ptr<marlowinds_lib::geometry::DelaunayTriangulation> triangulation,
    std::vector<std::vector<Vector2D>> teamPositions)
    : teamPositions(std::move(teamPositions)), triangulation(std::move(triangulation)) {}

bool DelaunayInterpolator::coversField() const {
    // The triangles make a convex hull: holding the four corners, it holds the field.
    const double x = FieldDescription::FIELD_LENGTH / 2.0;
    const double y = FieldDescription::FIELD_WIDTH / 2.0;
    for (const Vector2D& corner : {Vector2D(-x, -y), Vector2D(x, -y), Vector2D(x, y), Vector2D(-x, y)}) {
        if (triangulation->findTriangleContains(corner) == nullptr) {
            return false;
        }
    }
    return true;
}

DelaunayInterpolator::TeamPositions DelaunayInterpolator::interpolate(Vector2 ball) const {
    TeamPositions team{};
    const Vector2D b = clampedToField(ball.x, ball.y);
    const marlowinds_lib::geometry::Triangle* const triangle = triangulation->findTriangleContains(b);
    if (triangle == nullptr) {
        return team;
    }
    // Linear over the triangle: each corner's sample weighs by the ball's barycentric weight for that corner.
    const Vector2D& v0 = triangle->getVertex(0)->position;
    const Vector2D& v1 = triangle->getVertex(1)->position;
    const Vector2D& v2 = triangle->getVertex(2)->position;
    const double area = (v1 - v0).cross(v2 - v0);
    const double w1 = (b - v0).cross(v2 - v0) / area;
    const double w2 = (v1 - v0).cross(b - v0) / area;
    const double w0 = 1.0 - w1 - w2;
    const auto& s0 = teamPositions[triangle->getVertex(0)->id];
    const auto& s1 = teamPositions[triangle->getVertex(1)->id];
    const auto& s2 = teamPositions[triangle->getVertex(2)->id];
    for (std::size_t i = 0; i < team.size(); ++i) {
        const Vector2D p = s0[i] * w0 + s1[i] * w1 + s2[i] * w2;
        const Vector2D clamped = clampedToField(p.x, p.y);
        team[i] = Vector2(clamped.x, clamped.y);
    }
    return team;
}

} // namespace delaunay_triangulation
} // namespace positioning
} // namespace decision_making
