#include "tools/test_server/ServerCamera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tools {
namespace test_server {

namespace {

constexpr double PI = 3.141592653589793;

double degrees(double radians) { return radians * 180.0 / PI; }

} // namespace

ServerCamera::ServerCamera(double x, double y, double heading)
    : x(x), y(y), cosHeading(std::cos(heading)), sinHeading(std::sin(heading)) {}

CameraPoint ServerCamera::toCamera(double pointX, double pointY, double pointZ) const {
    const double dx = pointX - x;
    const double dy = pointY - y;
    return {cosHeading * dx + sinHeading * dy, -sinHeading * dx + cosHeading * dy, pointZ - HEIGHT};
}

bool ServerCamera::inView(const CameraPoint& point) {
    return std::abs(std::atan2(point.y, point.x)) <= HALF_VIEW_ANGLE;
}

bool ServerCamera::clipToView(CameraPoint& start, CameraPoint& end) {
    // The view is where both boundary half-planes hold: a*x + b*y >= 0.
    const double c = std::cos(HALF_VIEW_ANGLE);
    const double s = std::sin(HALF_VIEW_ANGLE);
    const double halfPlanes[2][2] = {{s, c}, {s, -c}};
    double enter = 0.0;
    double leave = 1.0;
    for (const auto& plane : halfPlanes) {
        const double f0 = plane[0] * start.x + plane[1] * start.y;
        const double f1 = plane[0] * end.x + plane[1] * end.y;
        if (f0 < 0.0 && f1 < 0.0) {
            return false;
        }
        if (f0 < 0.0) {
            enter = std::max(enter, f0 / (f0 - f1));
        } else if (f1 < 0.0) {
            leave = std::min(leave, f0 / (f0 - f1));
        }
    }
    if (enter >= leave) {
        return false;
    }
    const CameraPoint direction{end.x - start.x, end.y - start.y, end.z - start.z};
    const CameraPoint clippedStart{start.x + direction.x * enter, start.y + direction.y * enter,
                                   start.z + direction.z * enter};
    end = {start.x + direction.x * leave, start.y + direction.y * leave, start.z + direction.z * leave};
    start = clippedStart;
    return std::sqrt((end.x - start.x) * (end.x - start.x) + (end.y - start.y) * (end.y - start.y) +
                     (end.z - start.z) * (end.z - start.z)) >= MINIMUM_LINE_LENGTH;
}

PolarReading ServerCamera::polar(const CameraPoint& point) {
    const double distance = std::sqrt(point.x * point.x + point.y * point.y + point.z * point.z);
    // A point at the camera itself is straight ahead rather than NaN.
    const double vertical = distance > 0.0 ? std::asin(point.z / distance) : 0.0;
    return {distance, degrees(std::atan2(point.y, point.x)), degrees(vertical)};
}

void ServerCamera::appendPolar(std::string& out, const PolarReading& reading) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(pol %.2f %.2f %.2f)", reading.distance, reading.horizontal,
                  reading.vertical);
    out += buffer;
}

} // namespace test_server
} // namespace tools
