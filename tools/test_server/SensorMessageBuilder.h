#ifndef TOOLS_TEST_SERVER_SENSORMESSAGEBUILDER_H
#define TOOLS_TEST_SERVER_SENSORMESSAGEBUILDER_H

#include "tools/test_server/JointPlant.h"
#include "tools/test_server/ServerCamera.h"

#include <array>
#include <string>
#include <vector>

namespace tools {
namespace test_server {

/// A further player on the field, reported like the opponent.
struct SimulatedPlayer {
    std::string team;
    int id = 0;
    double x = 0.0;
    double y = 0.0;
};

/// The state of the stand-in's world, in the server's global frame (the left
/// team's own goal at x = -15).
struct SimulatedWorld {
    int uniformNumber = 1;
    bool leftSide = true;
    double robotX = -5.0;
    double robotY = 0.0;
    double robotHeading = 0.0; // radians
    double ballX = 0.0;
    double ballY = 0.0;
    double opponentX = 3.0;
    double opponentY = 1.0;
    std::string opponentTeam = "Opponents";
    /// Players besides the opponent above (number 7), teammates included.
    std::vector<SimulatedPlayer> players;
    std::string playMode = "BeforeKickOff";
    int scoreLeft = 0;
    int scoreRight = 0;
    /// The robot's body type, 0 to 4; type 4 has toes, each with a joint and a
    /// foot pressure sensor.
    int bodyType = 0;
    /// Also the groups of the sensors that other robot models carry: agent
    /// state, touch and a universal joint.
    bool otherSensors = false;
    /// The torso's accelerometer (m/s^2, torso frame): gravity along z while
    /// upright, along -y lying on the front, +y on the back, x on a side.
    std::array<double, 3> acceleration{0.0, 0.0, 9.81};
};

/// Builds the sensor messages of a server cycle by cycle: clock, game state,
/// gyroscope, accelerometer, the 22 joint angles (integrated from the speeds
/// the agent commanded), foot pressure, vision every third cycle (flags, goal
/// posts, field lines, ball and players within a 120 degree view) and heard
/// team messages, with the toes and other sensors that the world asks for, in
/// the shape and number format the server uses.
class SensorMessageBuilder {
public:
    explicit SensorMessageBuilder(const SimulatedWorld& world);

    SimulatedWorld& world() { return state; }

    /// The next cycle's message.
    std::string nextMessage();
    int getCycle() const { return cycle; }

    /// Moves the joints by one cycle of commanded speeds (effector order, rad/s).
    void applyJointSpeeds(const std::array<double, 22>& speeds);
    /// Joint angles in effector order (radians).
    const std::array<double, 22>& getJointAngles() const { return joints.getAngles(); }
    void setJointAngles(const std::array<double, 22>& angles) { joints.setAngles(angles); }

    /// Delivers a said message with the next sensor message. A direction of
    /// nothing means the agent hears itself ("self").
    void queueHeard(const std::string& team, const std::string& message, const double* directionDegrees);

    /// The vision group for the current pose.
    std::string visionGroup() const;

private:
    struct Heard {
        std::string team;
        std::string message;
        std::string direction;
    };

    static void appendPoint(std::string& out, const CameraPoint& point);
    static void appendPlayer(std::string& out, const ServerCamera& view, const std::string& team, int id, double x,
                             double y);

    SimulatedWorld state;
    int cycle = 0;
    JointPlant joints;
    std::vector<Heard> heard;
};

} // namespace test_server
} // namespace tools

#endif
