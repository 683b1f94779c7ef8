#ifndef TOOLS_TEST_SERVER_SERVERCAMERA_H
#define TOOLS_TEST_SERVER_SERVERCAMERA_H

#include <string>

namespace tools {
namespace test_server {

/// A point in the camera frame: x ahead, y to the left, z up (metres).
struct CameraPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

/// What the server reports of a point: distance (m), horizontal and vertical angle (degrees).
struct PolarReading {
    double distance = 0.0;
    double horizontal = 0.0;
    double vertical = 0.0;
};

/// The robot's camera as the server models it: HEIGHT above the ground at the
/// robot's position, looking along its heading with the head straight, seeing
/// HALF_VIEW_ANGLE to either side. Shared by the stand-ins that write vision.
class ServerCamera {
public:
    static constexpr double HEIGHT = 0.5;
    static constexpr double HALF_VIEW_ANGLE = 1.0471975511965976; // 60 degrees
    /// Shorter visible stretches of a line are not reported.
    static constexpr double MINIMUM_LINE_LENGTH = 0.05;

    /// A robot at (x, y) with the given heading (radians), in the server's frame.
    ServerCamera(double x, double y, double heading);

    /// A point of the server's frame in the camera frame.
    CameraPoint toCamera(double x, double y, double z) const;
    static bool inView(const CameraPoint& point);
    /// Cuts a ground segment down to the part inside the view; false when
    /// nothing of it, or less than MINIMUM_LINE_LENGTH, is inside.
    static bool clipToView(CameraPoint& start, CameraPoint& end);
    static PolarReading polar(const CameraPoint& point);
    /// "(pol d h v)", each number with two decimals as the server writes them.
    static void appendPolar(std::string& out, const PolarReading& reading);

private:
    double x;
    double y;
    double cosHeading;
    double sinHeading;
};

} // namespace test_server
} // namespace tools

#endif
