#ifndef REPRESENTATIONS_HEARDATA_H
#define REPRESENTATIONS_HEARDATA_H

#include "representations/OtherPlayer.h"

#include <string>
#include <vector>

namespace representations {

/// One heard team message and the fields decoded from its bit-packed text.
///
/// The text carries six bits per character (the character's index in the
/// base64 digit set, most significant bit first). A field player's record is
/// 96 bits: uniform number (4), own x and y, fallen, ball x and y, ball
/// relevant, ten 5-bit role entries and the player closest to the ball (4).
/// The goalkeeper's record (uniform number 1) is 119 bits: uniform number, own
/// x and y, fallen, then four 24-bit opponent entries (id 4, x, y, relevant,
/// fallen). A coordinate is 9 bits: a sign bit, the integer part (4 bits) and
/// the tenths (4 bits); the sign applies to the whole value.
///
/// A bit that lies beyond the text reads as zero, so a short text gives partial
/// values; a text with a character outside the digit set reads as all zero.
class HearData {
public:
    static constexpr int GOALIE_NUMBER = 1;
    static constexpr int FIELD_PLAYER_RECORD_BITS = 96;
    static constexpr int GOALIE_RECORD_BITS = 119;
    static constexpr int NUMBER_OF_ROLES = 10;
    static constexpr int NUMBER_OF_HEARD_OPPONENTS = 4;

    // The wire format, which the writer of the messages shares.
    /// The base64 digit set: a character stands for its index, six bits.
    static constexpr char DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    static constexpr int NUMBER_OF_DIGITS = 64;
    static constexpr int BITS_PER_CHARACTER = 6;
    static constexpr int NUMBER_BITS = 4;
    static constexpr int ROLE_BITS = 5;
    static constexpr int SIGN_AND_MAGNITUDE_BITS = 5;
    static constexpr int TENTHS_BITS = 4;
    static constexpr int OPPONENT_ENTRY_BITS = 24;

    HearData() = default;
    /// The message as heard; nothing is decoded yet.
    HearData(std::string team, double heardServerTime, bool fromSelf, double direction, std::string message);
    virtual ~HearData() = default;

    /// Decodes the text when the message comes from the given team; otherwise changes nothing.
    void decode(const std::string& ourTeamName);

    const std::string& getTeam() const { return team; }
    const std::string& getMessage() const { return message; }
    double getHeardServerTime() const { return heardServerTime; }
    bool isFromSelf() const { return fromSelf; }
    double getDirection() const { return direction; }

    int getUniformNumber() const { return uniformNumber; }
    double getHeardAgentXPosition() const { return agentX; }
    double getHeardAgentYPosition() const { return agentY; }
    bool isFallen() const { return fallen; }
    double getHeardBallXPosition() const { return ballX; }
    double getHeardBallYPosition() const { return ballY; }
    bool isHeardBallRelevant() const { return ballRelevant; }
    int getPlayerClosestToBall() const { return playerClosestToBall; }
    const std::vector<int>& getRoleAssigment() const { return roleAssignment; }
    const std::vector<OtherPlayer>& getOpponentPositions() const { return opponents; }

    /// The text as bits; empty when a character lies outside the digit set.
    void stringToBits();
    /// Reads the bits as a field player's record.
    void bitsToData();
    /// Reads the bits as the goalkeeper's record.
    void bitsToDataGoalie();

    /// The unsigned value of bits first..last, most significant first; 0 for a
    /// range that is empty, reaches outside the bits or is wider than 31 bits.
    static int bitsToInt(const std::vector<bool>& bits, int first, int last);
    /// Bit first is the sign (set: negative), bits first+1..last the magnitude;
    /// 0 for a range without magnitude bits or outside the bits.
    static int signedBitsToInt(const std::vector<bool>& bits, int first, int last);

private:
    bool readFlag(int index) const;
    double readCoordinate(int first) const;
    void readSender();

    std::string team = "unknown";
    int uniformNumber = 0;
    double heardServerTime = 0.0;
    bool fromSelf = true;
    bool fallen = false;
    double ballX = 0.0;
    double ballY = 0.0;
    bool ballRelevant = false;
    double agentX = 0.0;
    double agentY = 0.0;
    double direction = 0.0;
    int playerClosestToBall = 11;
    std::string message;
    std::vector<int> roleAssignment;
    std::vector<bool> bits;
    std::vector<OtherPlayer> opponents;
};

} // namespace representations

#endif
