#include "representations/HearData.h"

#include <algorithm>
#include <utility>

namespace representations {

namespace {

// Both records start alike.
constexpr int AGENT_X = 4;
constexpr int AGENT_Y = 13;
constexpr int FALLEN = 22;

// Field player's record.
constexpr int BALL_X = 23;
constexpr int BALL_Y = 32;
constexpr int BALL_RELEVANT = 41;
constexpr int ROLES = 42;
constexpr int CLOSEST_PLAYER = 92;

// Goalkeeper's record, and the parts of one opponent entry.
constexpr int OPPONENTS = 23;
constexpr int OPPONENT_X = 4;
constexpr int OPPONENT_Y = 13;
constexpr int OPPONENT_RELEVANT = 22;
constexpr int OPPONENT_FALLEN = 23;

/// The index of a character in the base64 digit set, or -1.
int digitValue(char character) {
    const char* const end = HearData::DIGITS + HearData::NUMBER_OF_DIGITS;
    const char* const found = std::find(HearData::DIGITS, end, character);
    return found == end ? -1 : static_cast<int>(found - HearData::DIGITS);
}

int readNumber(const std::vector<bool>& bits, int first, int width) {
    return HearData::bitsToInt(bits, first, first + width - 1);
}

} // namespace

HearData::HearData(std::string team, double heardServerTime, bool fromSelf, double direction, std::string message)
    : team(std::move(team)), heardServerTime(heardServerTime), fromSelf(fromSelf), direction(direction),
      message(std::move(message)) {}

void HearData::decode(const std::string& ourTeamName) {
    if (team != ourTeamName) {
        return;
    }
    stringToBits();
    uniformNumber = readNumber(bits, 0, NUMBER_BITS);
    if (uniformNumber == GOALIE_NUMBER) {
        bitsToDataGoalie();
    } else {
        bitsToData();
    }
}

void HearData::stringToBits() {
    bits.assign(message.size() * BITS_PER_CHARACTER, false);
    std::size_t bit = 0;
    for (const char character : message) {
        const int value = digitValue(character);
        if (value < 0) {
            bits.clear();
            return;
        }
        for (int shift = BITS_PER_CHARACTER - 1; shift >= 0; --shift) {
            bits[bit++] = ((value >> shift) & 1) != 0;
        }
    }
}

void HearData::bitsToData() {
    readSender();
    ballX = readCoordinate(BALL_X);
    ballY = readCoordinate(BALL_Y);
    ballRelevant = readFlag(BALL_RELEVANT);
    roleAssignment.assign(NUMBER_OF_ROLES, 0);
    for (int k = 0; k < NUMBER_OF_ROLES; ++k) {
        roleAssignment[k] = readNumber(bits, ROLES + ROLE_BITS * k, ROLE_BITS);
    }
    playerClosestToBall = readNumber(bits, CLOSEST_PLAYER, NUMBER_BITS);
}

void HearData::bitsToDataGoalie() {
    readSender();
    opponents.clear();
    opponents.reserve(NUMBER_OF_HEARD_OPPONENTS);
    for (int k = 0; k < NUMBER_OF_HEARD_OPPONENTS; ++k) {
        const int base = OPPONENTS + OPPONENT_ENTRY_BITS * k;
        OtherPlayer opponent;
        opponent.setId(readNumber(bits, base, NUMBER_BITS));
        opponent.setPosition(
            marlowinds_lib::math::Pose2D(0.0, readCoordinate(base + OPPONENT_X), readCoordinate(base + OPPONENT_Y)));
        opponent.setRelevant(readFlag(base + OPPONENT_RELEVANT));
        opponent.setIsFallen(readFlag(base + OPPONENT_FALLEN));
        opponents.push_back(opponent);
    }
}

int HearData::bitsToInt(const std::vector<bool>& bits, int first, int last) {
    if (first < 0 || last < first || static_cast<std::size_t>(last) >= bits.size() || last - first >= 31) {
        return 0;
    }
    int value = 0;
    for (int i = first; i <= last; ++i) {
        value = (value << 1) | (bits[i] ? 1 : 0);
    }
    return value;
}

int HearData::signedBitsToInt(const std::vector<bool>& bits, int first, int last) {
    if (first < 0 || last - first < 1 || static_cast<std::size_t>(last) >= bits.size()) {
        return 0;
    }
    const int magnitude = bitsToInt(bits, first + 1, last);
    return bits[first] ? -magnitude : magnitude;
}

bool HearData::readFlag(int index) const { return static_cast<std::size_t>(index) < bits.size() && bits[index]; }

double HearData::readCoordinate(int first) const {
    const int signAndMagnitudeEnd = first + SIGN_AND_MAGNITUDE_BITS - 1;
    if (static_cast<std::size_t>(signAndMagnitudeEnd) >= bits.size()) {
        return 0.0;
    }
    // The sign covers the tenths too, so that values between -1 and 0 keep it.
    const double magnitude = readNumber(bits, first + 1, SIGN_AND_MAGNITUDE_BITS - 1) +
                             readNumber(bits, signAndMagnitudeEnd + 1, TENTHS_BITS) / 10.0;
    return bits[first] && magnitude > 0.0 ? -magnitude : magnitude;
}

void HearData::readSender() {
    uniformNumber = readNumber(bits, 0, NUMBER_BITS);
    agentX = readCoordinate(AGENT_X);
    agentY = readCoordinate(AGENT_Y);
    fallen = readFlag(FALLEN);
}

} // namespace representations
