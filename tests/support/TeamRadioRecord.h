#ifndef TESTS_SUPPORT_TEAMRADIORECORD_H
#define TESTS_SUPPORT_TEAMRADIORECORD_H

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace tests {

/// Writes team radio texts as a teammate's say command carries them, so that
/// tests can feed heard messages: six bits per base64 digit, most significant
/// bit first, coordinates as a sign (set for any negative value), the integer part (4 bits) and the
/// truncated tenths (4 bits).
class TeamRadioRecord {
public:
    struct Opponent {
        int id;
        double x;
        double y;
        bool relevant;
        bool fallen;
    };

    /// The field player's 96-bit record; roles holds ten role ids.
    static std::string fieldPlayer(int number, double x, double y, bool fallen, double ballX, double ballY,
                                   bool ballRelevant, const std::vector<int>& roles, int closestToBall) {
        TeamRadioRecord record;
        record.putSender(number, x, y, fallen);
        record.putCoordinate(ballX);
        record.putCoordinate(ballY);
        record.put(ballRelevant ? 1 : 0, 1);
        for (const int role : roles) {
            record.put(role, 5);
        }
        record.put(closestToBall, 4);
        return record.text();
    }

    /// The goalkeeper's 119-bit record with up to four opponents; missing ones are zero bits.
    static std::string goalkeeper(double x, double y, bool fallen, const std::vector<Opponent>& opponents) {
        TeamRadioRecord record;
        record.putSender(1, x, y, fallen);
        for (std::size_t k = 0; k < 4; ++k) {
            if (k < opponents.size()) {
                const Opponent& o = opponents[k];
                record.put(o.id, 4);
                record.putCoordinate(o.x);
                record.putCoordinate(o.y);
                record.put(o.relevant ? 1 : 0, 1);
                record.put(o.fallen ? 1 : 0, 1);
            } else {
                record.put(0, 24);
            }
        }
        return record.text();
    }

    /// Ten role ids 1 to 10.
    static std::vector<int> defaultRoles() { return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}; }

private:
    void putSender(int number, double x, double y, bool fallen) {
        put(number, 4);
        putCoordinate(x);
        putCoordinate(y);
        put(fallen ? 1 : 0, 1);
    }

    void put(int value, int width) {
        for (int shift = width - 1; shift >= 0; --shift) {
            bits.push_back(((value >> shift) & 1) != 0);
        }
    }

    void putCoordinate(double value) {
        const int integer = static_cast<int>(std::trunc(value));
        put(value < 0.0 ? 1 : 0, 1); // any negative value, -0.5 included
        put(std::abs(integer), 4);
        const double magnitude = std::fabs(value);
        // The small margin keeps 1.2 from being written as 1.1 by rounding error.
        put(static_cast<int>((magnitude - std::trunc(magnitude)) * 10.0 + 1e-9), 4);
    }

    std::string text() const {
        static const char* const DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string out;
        for (std::size_t start = 0; start < bits.size(); start += 6) {
            int value = 0;
            for (std::size_t i = start; i < start + 6; ++i) {
                value = (value << 1) | (i < bits.size() && bits[i] ? 1 : 0);
            }
            out += DIGITS[value];
        }
        return out;
    }

    std::vector<bool> bits;
};

} // namespace tests

#endif
