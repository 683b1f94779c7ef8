#include "tools/localization_harness/SimulatedVision.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "tools/test_server/ServerField.h"

#include <boost/random/normal_distribution.hpp>

#include <cmath>

namespace tools {
namespace localization_harness {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using marlowinds_lib::math::Pose3D;
using marlowinds_lib::math::Vector3;

namespace {

constexpr double CIRCLE_RADIUS = 2.0;

} // namespace

SimulatedVision::SimulatedVision(boost::random::mt19937& engine) : engine(engine) {}

std::string SimulatedVision::see(const Pose2D& pose, representations::PlaySide::PLAY_SIDE side, bool landmarks) {
    // The right team's own frame is the server's turned by half a turn.
    const Pose2D server = side == representations::PlaySide::LEFT
                              ? pose
                              : Pose2D(MathUtils::normalizeAngle(pose.rotation + MathUtils::PI), -pose.translation);
    const test_server::ServerCamera camera(server.translation.x, server.translation.y, server.rotation);
    std::string out = "(See";
    if (landmarks) {
        for (const test_server::Landmark& landmark : test_server::LANDMARKS) {
            const test_server::CameraPoint point = camera.toCamera(landmark.x, landmark.y, landmark.z);
            if (test_server::ServerCamera::inView(point)) {
                out += " (";
                out += landmark.name;
                appendReading(out, point);
                out += ')';
            }
        }
    }
    for (const test_server::Segment& line : test_server::FIELD_LINES) {
        appendLine(out, camera, line.x1, line.y1, line.x2, line.y2);
    }
    for (int i = 0; i < CIRCLE_SEGMENTS; ++i) {
        const double a1 = MathUtils::TWO_PI * i / CIRCLE_SEGMENTS;
        const double a2 = MathUtils::TWO_PI * (i + 1) / CIRCLE_SEGMENTS;
        appendLine(out, camera, CIRCLE_RADIUS * std::cos(a1), CIRCLE_RADIUS * std::sin(a1),
                   CIRCLE_RADIUS * std::cos(a2), CIRCLE_RADIUS * std::sin(a2));
    }
    out += ')';
    return out;
}

Pose3D SimulatedVision::cameraToRoot() { return Pose3D(Vector3<double>(0.0, 0.0, CAMERA_HEIGHT)); }

void SimulatedVision::appendReading(std::string& out, const test_server::CameraPoint& point) {
    boost::random::normal_distribution<double> unit;
    test_server::PolarReading reading = test_server::ServerCamera::polar(point);
    reading.distance *= 1.0 + DISTANCE_NOISE * unit(engine);
    reading.horizontal += ANGLE_NOISE_DEGREES * unit(engine);
    reading.vertical += ANGLE_NOISE_DEGREES * unit(engine);
    out += ' ';
    test_server::ServerCamera::appendPolar(out, reading);
}

void SimulatedVision::appendLine(std::string& out, const test_server::ServerCamera& camera, double x1, double y1,
                                 double x2, double y2) {
    test_server::CameraPoint start = camera.toCamera(x1, y1, 0.0);
    test_server::CameraPoint end = camera.toCamera(x2, y2, 0.0);
    if (!test_server::ServerCamera::clipToView(start, end)) {
        return;
    }
    out += " (L";
    appendReading(out, start);
    appendReading(out, end);
    out += ')';
}

} // namespace localization_harness
} // namespace tools
