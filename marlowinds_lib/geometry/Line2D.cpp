#include "marlowinds_lib/geometry/Line2D.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace marlowinds_lib {
namespace geometry {

namespace {
constexpr double VERTICAL_DX = 1e-4;
constexpr double VERTICAL_SLOPE = 1000.0;
constexpr double PARALLEL_DETERMINANT = 0.001;
constexpr double SEGMENT_PARALLEL = 1e-10;
constexpr double DIRECTION_LENGTH = 100.0;
constexpr double ALMOST_VERTICAL = 1e-4;

enum class AngleForm { UNSIGNED, SIGNED };

// Both angle queries share the case split on (almost) vertical lines.
double angleBetween(const Line2D& first, const Line2D& second, AngleForm form) {
    const double a1 = first.getACoefficient();
    const double b1 = first.getBCoefficient();
    const double a2 = second.getACoefficient();
    const double b2 = second.getBCoefficient();
    const bool firstVertical = std::fabs(a1) <= ALMOST_VERTICAL;
    const bool secondVertical = std::fabs(a2) <= ALMOST_VERTICAL;
    if (firstVertical && secondVertical) {
        return 0.0;
    }
    if (firstVertical) {
        return std::atan(std::fabs(a2 / b2));
    }
    if (secondVertical) {
        return std::atan(std::fabs(a1 / b1));
    }
    const double m1 = -b1 / a1;
    const double m2 = -b2 / a2;
    if (form == AngleForm::UNSIGNED) {
        return std::fabs(std::atan((m2 - m1) / (1.0 + m1 * m2)));
    }
    return std::atan(std::fabs(m2 - m1) / (1.0 + m1 * m2));
}
} // namespace

Line2D::Line2D(double a, double b, double c) : a(a), b(b), c(c) {}

Line2D::Line2D(const Vector2& start, const Vector2& end)
    : start(start), end(end), segment(true), center((start + end) * 0.5) {
    if (std::fabs(end.x - start.x) < VERTICAL_DX) {
        a = 0.0;
        b = 1.0;
        c = -end.x;
        return;
    }
    const double m = (end.y - start.y) / (end.x - start.x);
    const double norm = std::sqrt(1.0 + m * m);
    a = 1.0 / norm;
    b = -m / norm;
    c = (m * end.x - end.y) / norm;
}

Line2D::Line2D(const Vector2& point, const double& angle)
    : Line2D(point, point + Vector2(std::cos(angle), std::sin(angle)) * DIRECTION_LENGTH) {
    segment = false;
}

Line2D Line2D::makeLineFromTwoPoints(const Vector2& start, const Vector2& end) { return Line2D(start, end); }

Line2D Line2D::makeLineFromPositionAndAngle(const Vector2& point, double angle) { return Line2D(point, angle); }

Line2D Line2D::operator-() const { return Line2D(a, b, -c); }

double Line2D::getSlope() const {
    if (a == 0.0) {
        std::cout << "(Line2D:getSlope): divide by zero" << std::endl;
        return VERTICAL_SLOPE;
    }
    return -b / a;
}

double Line2D::getYGivenX(double x) const {
    if (a == 0.0) {
        std::cout << "(Line2D::getYGivenX) Cannot calculate Y coordinate: " << std::endl;
        return 0.0;
    }
    return -(b * x + c) / a;
}

double Line2D::getXGivenY(double y) const {
    if (b == 0.0) {
        std::cout << "(Line2D::getXGivenY) Cannot calculate X coordinate" << std::endl;
        return 0.0;
    }
    return -(a * y + c) / b;
}

double Line2D::getYIntercept() const { return a == 0.0 ? -c : -c / a; }

double Line2D::getXIntercept() const { return b == 0.0 ? -c : -c / b; }

Line2D::Vector2 Line2D::getPointOnLineClosestTo(const Vector2& p) const {
    const double d = a * a + b * b;
    if (d <= 0.001) {
        return {};
    }
    return {(a * a * p.x - a * b * p.y - b * c) / d, (b * b * p.y - a * b * p.x - a * c) / d};
}

double Line2D::getDistanceToPoint(const Vector2& p) const { return p.distance(getPointOnLineClosestTo(p)); }

Line2D::Vector2 Line2D::getPointOnLineSegClosestTo(const Vector2& p) const {
    const Vector2 d = end - start;
    const double t = std::clamp((p - start).dot(d) / std::max(d.dot(d), 1e-10), 0.0, 1.0);
    return start + d * t;
}

bool Line2D::isInBetween(const Vector2& p, const Vector2& q1, const Vector2& q2) const {
    const Vector2 projection = getPointOnLineClosestTo(p);
    const double span = q1.distance(q2);
    return span >= projection.distance(q1) && span >= projection.distance(q2);
}

Line2D Line2D::getOrthogonalLine(const Vector2& p) const { return Line2D(b, -a, a * p.x - b * p.y); }

Line2D::Vector2 Line2D::getMyIntersection(const Line2D& other) const {
    const double det = a * other.b - b * other.a;
    if (std::fabs(det) <= PARALLEL_DETERMINANT) {
        return {};
    }
    return {(other.a * c - a * other.c) / det, (b * other.c - other.b * c) / det};
}

Line2D::Vector2 Line2D::getIntersection(const Line2D& other) const {
    const double slope = getSlope();
    const double otherSlope = other.getSlope();
    if (slope == otherSlope) {
        return {};
    }
    if (a != 0.0 && other.a != 0.0) {
        const double denominator = other.a * b - a * other.b;
        // Slopes that differ only by rounding leave nothing to divide by.
        if (denominator == 0.0) {
            return {};
        }
        const double x = (a * other.c - other.a * c) / denominator;
        return {x, -(b * x + c) / a};
    }
    // A line with a = b = 0 describes no line at all.
    if (a != 0.0) {
        if (other.b == 0.0) {
            return {};
        }
        const double x = -other.c / other.b;
        return {x, -(b * x + c) / a};
    }
    if (b == 0.0) {
        return {};
    }
    const double x = -c / b;
    return {x, -(other.b * x + other.c) / other.a};
}

bool Line2D::intersectWithLineSeg(const Line2D& other, Vector2& out) const {
    const Vector2 d = end - start;
    const Vector2 e = other.end - other.start;
    const Vector2 w = start - other.start;
    const double denominator = e.y * d.x - e.x * d.y;
    if (std::fabs(denominator) < SEGMENT_PARALLEL) {
        return false;
    }
    const double ua = (e.x * w.y - e.y * w.x) / denominator;
    const double ub = (d.x * w.y - d.y * w.x) / denominator;
    if (ua > 0.0 && ua < 1.0 && ub > 0.0 && ub < 1.0) {
        out = start + d * ua;
        return true;
    }
    return false;
}

double Line2D::getMyAngleWith(const Line2D& other) const { return angleBetween(*this, other, AngleForm::UNSIGNED); }

double Line2D::getAngleToLine(const Line2D& other) const {
    return math::MathUtils::normalizeAngle(angleBetween(*this, other, AngleForm::SIGNED));
}

} // namespace geometry
} // namespace marlowinds_lib
