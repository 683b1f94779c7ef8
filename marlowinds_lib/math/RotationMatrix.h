#ifndef MARLOWINDS_LIB_MATH_ROTATIONMATRIX_H
#define MARLOWINDS_LIB_MATH_ROTATIONMATRIX_H

#include "marlowinds_lib/math/Vector3.h"

namespace marlowinds_lib {
namespace math {

/// A 3x3 rotation stored as three columns: column j is the image of the j-th unit axis.
class RotationMatrix {
public:
    Vector3<double> c0{1.0, 0.0, 0.0};
    Vector3<double> c1{0.0, 1.0, 0.0};
    Vector3<double> c2{0.0, 0.0, 1.0};

    /// The identity.
    RotationMatrix() = default;
    /// The columns taken as they are (no orthonormalisation).
    RotationMatrix(const Vector3<double>& c0, const Vector3<double>& c1, const Vector3<double>& c2)
        : c0(c0), c1(c1), c2(c2) {}
    /// Right-handed rotation by angle (radians) about axis (normalised unless zero).
    RotationMatrix(const Vector3<double>& axis, double angle);
    /// Rotation vector: angle |v| about v / |v|; the zero vector gives the identity.
    explicit RotationMatrix(const Vector3<double>& rotationVector);
    /// The transpose of Rz(c) * Ry(b) * Rx(a).
    RotationMatrix(double a, double b, double c);

    /// Element at row r of column c (both 0..2).
    double at(int row, int column) const;

    Vector3<double> operator*(const Vector3<double>& v) const { return c0 * v.x + c1 * v.y + c2 * v.z; }
    RotationMatrix operator*(const RotationMatrix& other) const {
        return {*this * other.c0, *this * other.c1, *this * other.c2};
    }
    /// The inverse of a rotation.
    RotationMatrix transpose() const;

    // M <- M * R(angle): rotations about the already rotated own axes. Return *this to chain.
    RotationMatrix& rotateX(double angle);
    RotationMatrix& rotateY(double angle);
    RotationMatrix& rotateZ(double angle);

    double getXAngle() const;
    double getYAngle() const;
    double getZAngle() const;

    /// Angle in [0, pi] and unit axis; the axis is (1, 0, 0) for a zero angle.
    void getAngleAxis(Vector3<double>& axis, double& angle) const;
    /// The rotation vector (axis times angle).
    Vector3<double> getAngleAxis() const;

private:
    const Vector3<double>& column(int index) const;
};

} // namespace math
} // namespace marlowinds_lib

#endif
