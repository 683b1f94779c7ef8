#include "tools/test_server/SensorMessageBuilder.h"

#include "tools/test_server/ServerField.h"

#include <cstdio>

namespace tools {
namespace test_server {

namespace {

constexpr double PI = 3.141592653589793;
constexpr int TOED_BODY_TYPE = 4;
// The last joint of each leg in effector order; the toe follows it.
constexpr int LEFT_ANKLE_ROLL = 15;
constexpr int RIGHT_ANKLE_ROLL = 21;

// Joint sensor names in effector order (he1 ... rle6).
const std::array<const char*, 22> SENSOR_NAMES = {"hj1",  "hj2",  "laj1", "laj2", "laj3", "laj4", "raj1", "raj2",
                                                  "raj3", "raj4", "llj1", "llj2", "llj3", "llj4", "llj5", "llj6",
                                                  "rlj1", "rlj2", "rlj3", "rlj4", "rlj5", "rlj6"};
// The order in which the server lists them: neck, right arm, left arm, right leg, left leg.
const std::array<int, 22> SENSOR_ORDER = {0, 1, 6, 7, 8, 9, 2, 3, 4, 5, 16, 17, 18, 19, 20, 21, 10, 11, 12, 13, 14, 15};

void appendNumber(std::string& out, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    out += buffer;
}

} // namespace

SensorMessageBuilder::SensorMessageBuilder(const SimulatedWorld& world) : state(world) {}

void SensorMessageBuilder::applyJointSpeeds(const std::array<double, 22>& speeds) { joints.apply(speeds); }

void SensorMessageBuilder::queueHeard(const std::string& team, const std::string& message,
                                      const double* directionDegrees) {
    std::string direction = "self";
    if (directionDegrees != nullptr) {
        direction.clear();
        appendNumber(direction, *directionDegrees);
    }
    heard.push_back({team, message, direction});
}

void SensorMessageBuilder::appendPoint(std::string& out, const CameraPoint& point) {
    ServerCamera::appendPolar(out, ServerCamera::polar(point));
}

void SensorMessageBuilder::appendPlayer(std::string& out, const ServerCamera& view, const std::string& team, int id,
                                        double x, double y) {
    if (!ServerCamera::inView(view.toCamera(x, y, 0.0))) {
        return;
    }
    out += " (P (team " + team + ") (id " + std::to_string(id) + ") (head ";
    appendPoint(out, view.toCamera(x, y, 0.5));
    out += ") (rlowerarm ";
    appendPoint(out, view.toCamera(x, y - 0.1, 0.3));
    out += ") (llowerarm ";
    appendPoint(out, view.toCamera(x, y + 0.1, 0.3));
    out += ") (rfoot ";
    appendPoint(out, view.toCamera(x, y - 0.05, 0.02));
    out += ") (lfoot ";
    appendPoint(out, view.toCamera(x, y + 0.05, 0.02));
    out += "))";
}

std::string SensorMessageBuilder::visionGroup() const {
    const ServerCamera view(state.robotX, state.robotY, state.robotHeading);
    std::string out = "(See";
    for (const auto& landmark : LANDMARKS) {
        const CameraPoint point = view.toCamera(landmark.x, landmark.y, landmark.z);
        if (ServerCamera::inView(point)) {
            out += " (";
            out += landmark.name;
            out += ' ';
            appendPoint(out, point);
            out += ')';
        }
    }
    const CameraPoint ball = view.toCamera(state.ballX, state.ballY, 0.042);
    if (ServerCamera::inView(ball)) {
        out += " (B ";
        appendPoint(out, ball);
        out += ')';
    }
    appendPlayer(out, view, state.opponentTeam, 7, state.opponentX, state.opponentY);
    for (const SimulatedPlayer& player : state.players) {
        appendPlayer(out, view, player.team, player.id, player.x, player.y);
    }
    // Each line is reported by its visible stretch.
    for (const auto& line : FIELD_LINES) {
        CameraPoint start = view.toCamera(line.x1, line.y1, 0.0);
        CameraPoint end = view.toCamera(line.x2, line.y2, 0.0);
        if (ServerCamera::clipToView(start, end)) {
            out += " (L ";
            appendPoint(out, start);
            out += ' ';
            appendPoint(out, end);
            out += ')';
        }
    }
    out += ')';
    return out;
}

std::string SensorMessageBuilder::nextMessage() {
    const double now = 0.02 * (cycle + 1);
    std::string out;
    out.reserve(2048);
    out += "(time (now ";
    appendNumber(out, now);
    out += "))(GS ";
    if (cycle < 2) {
        out += "(unum " + std::to_string(state.uniformNumber) + ") (team " + (state.leftSide ? "left" : "right") + ") ";
    }
    out += "(sl " + std::to_string(state.scoreLeft) + ") (sr " + std::to_string(state.scoreRight) + ") (t ";
    appendNumber(out, cycle * 0.02);
    out += ") (pm " + state.playMode + "))";
    out += "(GYR (n torso) (rt 0.00 -0.00 0.00))(ACC (n torso) (a";
    for (const double component : state.acceleration) {
        out += ' ';
        appendNumber(out, component);
    }
    out += "))";
    for (int i = 0; i < 22; ++i) {
        const int joint = SENSOR_ORDER[static_cast<std::size_t>(i)];
        out += "(HJ (n ";
        out += SENSOR_NAMES[static_cast<std::size_t>(joint)];
        out += ") (ax ";
        appendNumber(out, joints.getAngles()[static_cast<std::size_t>(joint)] * 180.0 / PI);
        out += "))";
        if (state.bodyType == TOED_BODY_TYPE && (joint == RIGHT_ANKLE_ROLL || joint == LEFT_ANKLE_ROLL)) {
            out += joint == RIGHT_ANKLE_ROLL ? "(HJ (n rlj7) (ax 0.00))" : "(HJ (n llj7) (ax 0.00))";
        }
        if (i == 1 && cycle % 3 == 0) {
            out += visionGroup();
        }
    }
    for (const auto& message : heard) {
        out += "(hear " + message.team + ' ';
        appendNumber(out, now);
        out += ' ' + message.direction + ' ' + message.message + ')';
    }
    heard.clear();
    out += "(FRP (n lf) (c 0.01 0.02 -0.02) (f 0.00 0.00 22.50))(FRP (n rf) (c -0.01 0.02 -0.02) (f 0.00 0.00 22.50))";
    if (state.bodyType == TOED_BODY_TYPE) {
        out +=
            "(FRP (n lf1) (c 0.00 0.01 -0.01) (f 0.00 0.00 9.50))(FRP (n rf1) (c 0.00 -0.01 -0.01) (f 0.00 0.00 9.50))";
    }
    if (state.otherSensors) {
        out += "(AgentState (temp 48) (battery 75))(TCH n bumper val 0)(UJ (n laj1_2) (ax1 0.00) (ax2 0.00))";
    }
    ++cycle;
    return out;
}

} // namespace test_server
} // namespace tools
