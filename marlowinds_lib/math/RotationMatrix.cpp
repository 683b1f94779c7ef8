#include "marlowinds_lib/math/RotationMatrix.h"

#include "marlowinds_lib/math/MVTools.h"

#include <algorithm>
#include <cmath>

namespace marlowinds_lib {
namespace math {

namespace {
constexpr double ANGLE_EXTRACTION_EPSILON = 1e-5;

double component(const Vector3<double>& v, int index) {
    switch (index) {
    case 0:
        return v.x;
    case 1:
        return v.y;
    default:
        return v.z;
    }
}

/// The angle of the planar vector (a, b) by arc cosine, negative only when b < 0;
/// 0 when the vector is too short to carry a direction.
double angleOf(double a, double b) {
    const double r = std::sqrt(a * a + b * b);
    if (r <= ANGLE_EXTRACTION_EPSILON) {
        return 0.0;
    }
    const double angle = std::acos(a / r);
    return b < 0.0 ? -angle : angle;
}

/// Right-multiplies by a rotation in the plane of the columns u and v (u towards v):
/// u <- k u + s v, v <- k v - s u.
void turnPlane(Vector3<double>& u, Vector3<double>& v, double angle) {
    const double s = std::sin(angle);
    const double k = std::cos(angle);
    const Vector3<double> oldU = u;
    u = oldU * k + v * s;
    v = v * k - oldU * s;
}
} // namespace

RotationMatrix::RotationMatrix(const Vector3<double>& axis, double angle) {
    const Vector3<double> unit = axis.normalize();
    const double s = std::sin(angle);
    const double k = std::cos(angle);
    const double t = 1.0 - k;
    const double x = unit.x;
    const double y = unit.y;
    const double z = unit.z;
    c0 = {x * x * t + k, x * y * t + z * s, x * z * t - y * s};
    c1 = {x * y * t - z * s, y * y * t + k, y * z * t + x * s};
    c2 = {x * z * t + y * s, y * z * t - x * s, z * z * t + k};
}

RotationMatrix::RotationMatrix(const Vector3<double>& rotationVector)
    : RotationMatrix(rotationVector, rotationVector.norm()) {}

RotationMatrix::RotationMatrix(double a, double b, double c) {
    const double sa = std::sin(a), ca = std::cos(a);
    const double sb = std::sin(b), cb = std::cos(b);
    const double sc = std::sin(c), cc = std::cos(c);
    c0 = {cb * cc, sa * sb * cc - ca * sc, ca * sb * cc + sa * sc};
    c1 = {cb * sc, ca * cc + sa * sb * sc, ca * sb * sc - sa * cc};
    c2 = {-sb, sa * cb, ca * cb};
}

const Vector3<double>& RotationMatrix::column(int index) const {
    switch (index) {
    case 0:
        return c0;
    case 1:
        return c1;
    default:
        return c2;
    }
}

double RotationMatrix::at(int row, int columnIndex) const { return component(column(columnIndex), row); }

RotationMatrix RotationMatrix::transpose() const {
    return {{c0.x, c1.x, c2.x}, {c0.y, c1.y, c2.y}, {c0.z, c1.z, c2.z}};
}

RotationMatrix& RotationMatrix::rotateX(double angle) {
    turnPlane(c1, c2, angle);
    return *this;
}

RotationMatrix& RotationMatrix::rotateY(double angle) {
    turnPlane(c2, c0, angle);
    return *this;
}

RotationMatrix& RotationMatrix::rotateZ(double angle) {
    turnPlane(c0, c1, angle);
    return *this;
}

double RotationMatrix::getXAngle() const { return angleOf(c2.z, -c2.y); }

double RotationMatrix::getYAngle() const { return angleOf(c0.x, -c0.z); }

double RotationMatrix::getZAngle() const { return angleOf(c0.x, c0.y); }

void RotationMatrix::getAngleAxis(Vector3<double>& axis, double& angle) const {
    const double cosine = std::clamp((c0.x + c1.y + c2.z - 1.0) * 0.5, -1.0, 1.0);
    angle = std::acos(cosine);
    if (MVTools::isNearZero(angle)) {
        axis = {1.0, 0.0, 0.0};
        return;
    }
    axis = Vector3<double>{c1.z - c2.y, c2.x - c0.z, c0.y - c1.x}.normalize();
}

Vector3<double> RotationMatrix::getAngleAxis() const {
    const double cosine = (c0.x + c1.y + c2.z - 1.0) * 0.5;
    if (cosine < -1.0 || cosine > 1.0) {
        return {};
    }
    const double angle = std::acos(cosine);
    if (angle == 0.0) {
        return {};
    }
    return Vector3<double>{c1.z - c2.y, c2.x - c0.z, c0.y - c1.x} * (angle / (2.0 * std::sin(angle)));
}

} // namespace math
} // namespace marlowinds_lib
