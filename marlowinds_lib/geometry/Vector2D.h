#ifndef MARLOWINDS_LIB_GEOMETRY_VECTOR2D_H
#define MARLOWINDS_LIB_GEOMETRY_VECTOR2D_H

namespace marlowinds_lib {
namespace geometry {

/// The point type of the triangulation and of the formation samples.
struct Vector2D {
    static constexpr double EPSILON = 1e-6;
    /// Marks a point that does not exist, such as the circumcentre of collinear points.
    static constexpr double ERROR_VALUE = 1.79769e308;

    double x = 0.0;
    double y = 0.0;

    constexpr Vector2D() = default;
    constexpr Vector2D(double x, double y) : x(x), y(y) {}

    constexpr Vector2D operator+(const Vector2D& other) const { return {x + other.x, y + other.y}; }
    constexpr Vector2D operator-(const Vector2D& other) const { return {x - other.x, y - other.y}; }
    constexpr Vector2D operator*(double scalar) const { return {x * scalar, y * scalar}; }
    constexpr bool operator==(const Vector2D& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const Vector2D& other) const { return !(*this == other); }

    constexpr double squaredNorm() const { return x * x + y * y; }
    /// The z component of the 3D cross product of (x, y, 0) and (other.x, other.y, 0).
    constexpr double cross(const Vector2D& other) const { return x * other.y - y * other.x; }

    constexpr bool isError() const { return x == ERROR_VALUE || y == ERROR_VALUE; }
};

} // namespace geometry
} // namespace marlowinds_lib

#endif
