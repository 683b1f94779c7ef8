#ifndef TOOLS_LOCALIZATION_HARNESS_SIMULATEDVISION_H
#define TOOLS_LOCALIZATION_HARNESS_SIMULATEDVISION_H

#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/Pose3D.h"
#include "representations/PlaySide.h"
#include "tools/test_server/ServerCamera.h"

#include <boost/random/mersenne_twister.hpp>

#include <string>

namespace tools {
namespace localization_harness {

/// The server's camera, as far as localisation sees it: the "(See ...)" group
/// of flags, goal posts and field lines (with the centre circle as a polygon of
/// short lines) within a 120 degree horizontal view, as polar readings with
/// noise like the server's (a distance error proportional to the distance,
/// about a tenth of a degree in each angle) rounded to two decimals.
///
/// The world is laid out in the server's frame, where the left team's goal is
/// at x = -15; a robot of the right team sees it turned by half a turn.
class SimulatedVision {
public:
    static constexpr double CAMERA_HEIGHT = test_server::ServerCamera::HEIGHT;
    static constexpr double HALF_VIEW_ANGLE = test_server::ServerCamera::HALF_VIEW_ANGLE;
    /// Relative standard deviation of a distance.
    static constexpr double DISTANCE_NOISE = 0.001;
    static constexpr double ANGLE_NOISE_DEGREES = 0.1;
    static constexpr int CIRCLE_SEGMENTS = 10;

    /// Draws its noise from engine, which must outlive the object.
    explicit SimulatedVision(boost::random::mt19937& engine);

    /// What a robot of the given side sees from pose (its own field frame, head straight).
    std::string see(const marlowinds_lib::math::Pose2D& pose, representations::PlaySide::PLAY_SIDE side,
                    bool landmarks);

    /// The transform from the camera frame to the robot's root frame.
    static marlowinds_lib::math::Pose3D cameraToRoot();

private:
    /// The point's polar reading with the camera's noise.
    void appendReading(std::string& out, const test_server::CameraPoint& point);
    void appendLine(std::string& out, const test_server::ServerCamera& camera, double x1, double y1, double x2,
                    double y2);

    boost::random::mt19937& engine;
};

} // namespace localization_harness
} // namespace tools

#endif
