#ifndef TESTS_MODELING_SERVERMESSAGE_H
#define TESTS_MODELING_SERVERMESSAGE_H

#include <cmath>
#include <cstdio>
#include <string>

namespace modeling {

/// Hand-made server messages for an agent standing upright with every joint
/// at 0, whose camera sits CAMERA_HEIGHT above the root frame's origin.
class ServerMessage {
public:
    static constexpr double CAMERA_HEIGHT = 0.54;

    /// Clock, game state (the inside of its group), an upright accelerometer,
    /// vision (the inside of the See group; none when empty) and further groups.
    static std::string make(double time, const std::string& gameState, const std::string& vision = "",
                            const std::string& extra = "") {
        std::string text = "(time (now " + number(time) + "))(GS " + gameState + ")";
        text += "(GYR (n torso) (rt 0.00 0.00 0.00))(ACC (n torso) (a 0.00 0.00 9.81))";
        if (!vision.empty()) {
            text += "(See " + vision + ")";
        }
        return text + extra;
    }

    /// The polar reading of a point given in the root frame.
    static std::string polar(double x, double y, double z) {
        const double cz = z - CAMERA_HEIGHT;
        const double distance = std::sqrt(x * x + y * y + cz * cz);
        const double degrees = 180.0 / 3.141592653589793;
        return "(pol " + number(distance) + " " + number(std::atan2(y, x) * degrees) + " " +
               number(std::asin(cz / distance) * degrees) + ")";
    }

    static std::string ball(double x, double y) { return "(B " + polar(x, y, 0.04) + ")"; }

    /// A standing player: head, both lower arms and feet around (x, y).
    static std::string player(const std::string& team, int id, double x, double y) {
        return "(P (team " + team + ") (id " + std::to_string(id) + ") (head " + polar(x, y, 0.5) + ") (rlowerarm " +
               polar(x, y - 0.1, 0.3) + ") (llowerarm " + polar(x, y + 0.1, 0.3) + ") (rfoot " +
               polar(x, y - 0.05, 0.02) + ") (lfoot " + polar(x, y + 0.05, 0.02) + "))";
    }

    static std::string hear(const std::string& team, double time, bool self, const std::string& text) {
        return "(hear " + team + " " + number(time) + (self ? " self " : " 30.00 ") + text + ")";
    }

    static std::string number(double value) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.6f", value);
        return buffer;
    }
};

} // namespace modeling

#endif
