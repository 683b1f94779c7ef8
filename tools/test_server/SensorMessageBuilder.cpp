#include "tools/test_server/SensorMessageBuilder.h"

#include "tools/test_server/ServerField.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tools {
namespace test_server {

namespace {

constexpr double PI = 3.141592653589793;
constexpr double CAMERA_HEIGHT = 0.5;
constexpr double HALF_VIEW_ANGLE = 60.0 * PI / 180.0;
constexpr double CYCLE = 0.02;
constexpr double JOINT_LIMIT = 2.0; // rad, a loose bound that keeps integrated angles sane

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

void SensorMessageBuilder::applyJointSpeeds(const std::array<double, 22>& speeds) {
    for (std::size_t i = 0; i < jointAngles.size(); ++i) {
        jointAngles[i] = std::clamp(jointAngles[i] + speeds[i] * CYCLE, -JOINT_LIMIT, JOINT_LIMIT);
    }
}

void SensorMessageBuilder::queueHeard(const std::string& team, const std::string& message,
                                      const double* directionDegrees) {
    std::string direction = "self";
    if (directionDegrees != nullptr) {
        direction.clear();
        appendNumber(direction, *directionDegrees);
    }
    heard.push_back({team, message, direction});
}

bool SensorMessageBuilder::inView(double x, double y) const {
    const double dx = x - state.robotX;
    const double dy = y - state.robotY;
    const double bearing = std::remainder(std::atan2(dy, dx) - state.robotHeading, 2 * PI);
    return std::fabs(bearing) <= HALF_VIEW_ANGLE;
}

void SensorMessageBuilder::appendPolar(std::string& out, double x, double y, double z) const {
    const double dx = x - state.robotX;
    const double dy = y - state.robotY;
    const double dz = z - CAMERA_HEIGHT;
    const double ground = std::hypot(dx, dy);
    const double bearing = std::remainder(std::atan2(dy, dx) - state.robotHeading, 2 * PI);
    out += "(pol ";
    appendNumber(out, std::hypot(ground, dz));
    out += ' ';
    appendNumber(out, bearing * 180.0 / PI);
    out += ' ';
    appendNumber(out, std::atan2(dz, ground) * 180.0 / PI);
    out += ')';
}

void SensorMessageBuilder::appendPlayer(std::string& out, const std::string& team, int id, double x, double y) const {
    if (!inView(x, y)) {
        return;
    }
    out += " (P (team " + team + ") (id " + std::to_string(id) + ") (head ";
    appendPolar(out, x, y, 0.5);
    out += ") (rlowerarm ";
    appendPolar(out, x, y - 0.1, 0.3);
    out += ") (llowerarm ";
    appendPolar(out, x, y + 0.1, 0.3);
    out += ") (rfoot ";
    appendPolar(out, x, y - 0.05, 0.02);
    out += ") (lfoot ";
    appendPolar(out, x, y + 0.05, 0.02);
    out += "))";
}

std::string SensorMessageBuilder::visionGroup() const {
    std::string out = "(See";
    for (const auto& landmark : LANDMARKS) {
        if (inView(landmark.x, landmark.y)) {
            out += " (";
            out += landmark.name;
            out += ' ';
            appendPolar(out, landmark.x, landmark.y, landmark.z);
            out += ')';
        }
    }
    if (inView(state.ballX, state.ballY)) {
        out += " (B ";
        appendPolar(out, state.ballX, state.ballY, 0.042);
        out += ')';
    }
    appendPlayer(out, state.opponentTeam, 7, state.opponentX, state.opponentY);
    for (const SimulatedPlayer& player : state.players) {
        appendPlayer(out, player.team, player.id, player.x, player.y);
    }
    // Each line is reported by its visible stretch, sampled every 5 cm.
    for (const auto& line : FIELD_LINES) {
        const double length = std::hypot(line.x2 - line.x1, line.y2 - line.y1);
        const int samples = static_cast<int>(length / 0.05);
        int first = -1;
        int last = -1;
        for (int i = 0; i <= samples; ++i) {
            const double t = static_cast<double>(i) / samples;
            if (inView(line.x1 + t * (line.x2 - line.x1), line.y1 + t * (line.y2 - line.y1))) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        if (first < 0 || first == last) {
            continue;
        }
        const double t1 = static_cast<double>(first) / samples;
        const double t2 = static_cast<double>(last) / samples;
        out += " (L ";
        appendPolar(out, line.x1 + t1 * (line.x2 - line.x1), line.y1 + t1 * (line.y2 - line.y1), 0.0);
        out += ' ';
        appendPolar(out, line.x1 + t2 * (line.x2 - line.x1), line.y1 + t2 * (line.y2 - line.y1), 0.0);
        out += ')';
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
    out += "(GYR (n torso) (rt 0.00 -0.00 0.00))(ACC (n torso) (a 0.00 0.00 9.81))";
    for (int i = 0; i < 22; ++i) {
        const int joint = SENSOR_ORDER[static_cast<std::size_t>(i)];
        out += "(HJ (n ";
        out += SENSOR_NAMES[static_cast<std::size_t>(joint)];
        out += ") (ax ";
        appendNumber(out, jointAngles[static_cast<std::size_t>(joint)] * 180.0 / PI);
        out += "))";
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
    ++cycle;
    return out;
}

} // namespace test_server
} // namespace tools
