#ifndef MARLOWINDS_LIB_MATH_VECTOR3_H
#define MARLOWINDS_LIB_MATH_VECTOR3_H

#include <cmath>

namespace marlowinds_lib {
namespace math {

template <typename T> struct Vector3 {
    T x{};
    T y{};
    T z{};

    constexpr Vector3() = default;
    constexpr Vector3(T x, T y, T z) : x(x), y(y), z(z) {}

    constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector3 operator-() const { return {-x, -y, -z}; }
    constexpr Vector3 operator*(T scalar) const { return {x * scalar, y * scalar, z * scalar}; }
    constexpr Vector3 operator/(T scalar) const { return {x / scalar, y / scalar, z / scalar}; }
    Vector3& operator+=(const Vector3& o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    Vector3& operator-=(const Vector3& o) {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    Vector3& operator*=(T scalar) {
        x *= scalar;
        y *= scalar;
        z *= scalar;
        return *this;
    }
    constexpr bool operator==(const Vector3& o) const { return x == o.x && y == o.y && z == o.z; }
    constexpr bool operator!=(const Vector3& o) const { return !(*this == o); }

    constexpr T dot(const Vector3& o) const { return x * o.x + y * o.y + z * o.z; }
    constexpr Vector3 cross(const Vector3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    T norm() const { return std::sqrt(x * x + y * y + z * z); }
    T squaredNorm() const { return x * x + y * y + z * z; }

    /// The unit vector in the same direction; the zero vector stays zero.
    Vector3 normalize() const {
        const T length = norm();
        return length == T{} ? Vector3{} : *this / length;
    }
};

template <typename T> constexpr Vector3<T> operator*(T scalar, const Vector3<T>& v) { return v * scalar; }

} // namespace math
} // namespace marlowinds_lib

#endif
