#ifndef MARLOWINDS_LIB_MATH_POSE3D_H
#define MARLOWINDS_LIB_MATH_POSE3D_H

#include "marlowinds_lib/math/RotationMatrix.h"
#include "marlowinds_lib/math/Vector3.h"

namespace marlowinds_lib {
namespace math {

/// A rigid transform mapping a point p to rotation * p + translation.
struct Pose3D {
    RotationMatrix rotation;
    Vector3<double> translation;

    Pose3D() = default;
    Pose3D(const RotationMatrix& rotation, const Vector3<double>& translation)
        : rotation(rotation), translation(translation) {}
    explicit Pose3D(const Vector3<double>& translation) : translation(translation) {}

    Vector3<double> operator*(const Vector3<double>& point) const { return rotation * point + translation; }

    /// Composition: (a * b)(p) = a(b(p)).
    Pose3D operator*(const Pose3D& other) const {
        return {rotation * other.rotation, rotation * other.translation + translation};
    }

    Pose3D inverse() const {
        const RotationMatrix inverted = rotation.transpose();
        return {inverted, -(inverted * translation)};
    }

    /// Moves the origin along the own (rotated) axes.
    Pose3D& translate(const Vector3<double>& offset) {
        translation += rotation * offset;
        return *this;
    }
    Pose3D& rotateX(double angle) {
        rotation.rotateX(angle);
        return *this;
    }
    Pose3D& rotateY(double angle) {
        rotation.rotateY(angle);
        return *this;
    }
    Pose3D& rotateZ(double angle) {
        rotation.rotateZ(angle);
        return *this;
    }
};

} // namespace math
} // namespace marlowinds_lib

#endif
