#include "tools/localization_harness/SimulatedVision.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tools/test_server/ServerField.h"

#include <boost/random/normal_distribution.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tools {
namespace localization_harness {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::Vector3;

namespace {

constexpr double CIRCLE_RADIUS = 2.0;
/// Shorter visible stretches are not reported.
constexpr double MINIMUM_LINE_LENGTH = 0.05;

void appendNumber(std::string& out, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %.2f", value);
    out += buffer;
}

} // namespace

SimulatedVision::SimulatedVision(boost::random::mt19937& engine) : engine(engine) {}

std::string SimulatedVision::see(const Pose2D& pose, representations::PlaySide::PLAY_SIDE side, bool landmarks) {
    // The right team's own frame is the server's turned by half a turn.
    const Pose2D server = side == representations::PlaySide::LEFT
                              ? pose
                              : Pose2D(MathUtils::normalizeAngle(pose.rotation + MathUtils::PI), -pose.translation);
    std::string out = "(See";
    if (landmarks) {
        for (const test_server::Landmark& landmark : test_server::LANDMARKS) {
            const Vector3<double> camera = toCamera(server, landmark.x, landmark.y, landmark.z);
            if (inView(camera)) {
                out += " (";
                out += landmark.name;
                appendPolar(out, camera);
                out += ')';
            }
        }
    }
    for (const test_server::Segment& line : test_server::FIELD_LINES) {
        appendLine(out, server, line.x1, line.y1, line.x2, line.y2);
    }
    for (int i = 0; i < CIRCLE_SEGMENTS; ++i) {
        const double a1 = MathUtils::TWO_PI * i / CIRCLE_SEGMENTS;
        const double a2 = MathUtils::TWO_PI * (i + 1) / CIRCLE_SEGMENTS;
        appendLine(out, server, CIRCLE_RADIUS * std::cos(a1), CIRCLE_RADIUS * std::sin(a1),
                   CIRCLE_RADIUS * std::cos(a2), CIRCLE_RADIUS * std::sin(a2));
    }
    out += ')';
    return out;
}

Pose3D SimulatedVision::cameraToRoot() { return Pose3D(Vector3<double>(0.0, 0.0, CAMERA_HEIGHT)); }

Vector3<double> SimulatedVision::toCamera(const Pose2D& pose, double x, double y, double z) {
    const double dx = x - pose.translation.x;
    const double dy = y - pose.translation.y;
    const double c = std::cos(pose.rotation);
    const double s = std::sin(pose.rotation);
    return {c * dx + s * dy, -s * dx + c * dy, z - CAMERA_HEIGHT};
}

bool SimulatedVision::inView(const Vector3<double>& camera) {
    return std::abs(std::atan2(camera.y, camera.x)) <= HALF_VIEW_ANGLE;
}

bool SimulatedVision::clipToView(ViewedSegment& segment) {
    // The view is where both boundary half-planes hold: a*x + b*y >= 0.
    const double c = std::cos(HALF_VIEW_ANGLE);
    const double s = std::sin(HALF_VIEW_ANGLE);
    const double halfPlanes[2][2] = {{s, c}, {s, -c}};
    double enter = 0.0;
    double leave = 1.0;
    for (const auto& plane : halfPlanes) {
        const double f0 = plane[0] * segment.start.x + plane[1] * segment.start.y;
        const double f1 = plane[0] * segment.end.x + plane[1] * segment.end.y;
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
    const Vector3<double> direction = segment.end - segment.start;
    const Vector3<double> start = segment.start + direction * enter;
    segment.end = segment.start + direction * leave;
    segment.start = start;
    return (segment.end - segment.start).norm() >= MINIMUM_LINE_LENGTH;
}

void SimulatedVision::appendPolar(std::string& out, const Vector3<double>& camera) {
    boost::random::normal_distribution<double> unit;
    const double distance = camera.norm() * (1.0 + DISTANCE_NOISE * unit(engine));
    const double horizontal =
        MathUtils::radiansToDegrees(std::atan2(camera.y, camera.x)) + ANGLE_NOISE_DEGREES * unit(engine);
    const double vertical =
        MathUtils::radiansToDegrees(std::asin(camera.z / camera.norm())) + ANGLE_NOISE_DEGREES * unit(engine);
    out += " (pol";
    appendNumber(out, distance);
    appendNumber(out, horizontal);
    appendNumber(out, vertical);
    out += ')';
}

void SimulatedVision::appendLine(std::string& out, const Pose2D& pose, double x1, double y1, double x2, double y2) {
    ViewedSegment segment{toCamera(pose, x1, y1, 0.0), toCamera(pose, x2, y2, 0.0)};
    if (!clipToView(segment)) {
        return;
    }
    out += " (L";
    appendPolar(out, segment.start);
    appendPolar(out, segment.end);
    out += ')';
}

} // namespace localization_harness
} // namespace tools
