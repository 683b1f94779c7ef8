#ifndef MARLOWINDS_LIB_MATH_VECTOR2_H
#define MARLOWINDS_LIB_MATH_VECTOR2_H

#include <cmath>

namespace marlowinds_lib {
namespace math {

template <typename T> struct Vector2 {
    T x{};
    T y{};

    constexpr Vector2() = default;
    constexpr Vector2(T x, T y) : x(x), y(y) {}

    constexpr Vector2 operator+(const Vector2& other) const { return {x + other.x, y + other.y}; }
    constexpr Vector2 operator-(const Vector2& other) const { return {x - other.x, y - other.y}; }
    constexpr Vector2 operator-() const { return {-x, -y}; }
    constexpr Vector2 operator*(T scalar) const { return {x * scalar, y * scalar}; }
    constexpr Vector2 operator/(T scalar) const { return {x / scalar, y / scalar}; }
    Vector2& operator+=(const Vector2& other) {
        x += other.x;
        y += other.y;
        return *this;
    }
    Vector2& operator-=(const Vector2& other) {
        x -= other.x;
        y -= other.y;
        return *this;
    }
    Vector2& operator*=(T scalar) {
        x *= scalar;
        y *= scalar;
        return *this;
    }
    constexpr bool operator==(const Vector2& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const Vector2& other) const { return !(*this == other); }

    constexpr T dot(const Vector2& other) const { return x * other.x + y * other.y; }
    T norm() const { return std::hypot(x, y); }
    T squaredNorm() const { return x * x + y * y; }
    T angle() const { return std::atan2(y, x); }
    T distance(const Vector2& other) const { return (*this - other).norm(); }

    /// The unit vector in the same direction; the zero vector stays zero.
    Vector2 normalize() const {
        const T length = norm();
        return length == T{} ? Vector2{} : *this / length;
    }

    /// This vector rotated counter-clockwise by the angle (radians).
    Vector2 rotate(double angle) const {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        return {static_cast<T>(c * x - s * y), static_cast<T>(s * x + c * y)};
    }
};

template <typename T> constexpr Vector2<T> operator*(T scalar, const Vector2<T>& v) { return v * scalar; }

} // namespace math
} // namespace marlowinds_lib

#endif
