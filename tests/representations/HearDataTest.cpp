#include "representations/HearData.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace representations {
namespace {

const std::string TEAM = "Marlowinds";

/// Packs a record the way a teammate's radio writer does.
class RecordWriter {
public:
    RecordWriter& number(int value, int width) {
        for (int shift = width - 1; shift >= 0; --shift) {
            bits.push_back(((value >> shift) & 1) != 0);
        }
        return *this;
    }
    RecordWriter& flag(bool value) {
        bits.push_back(value);
        return *this;
    }
    /// A value with at most one decimal; the sign bit covers the whole value.
    RecordWriter& coordinate(double value) {
        const long tenths = std::lround(std::fabs(value) * 10.0);
        flag(value < 0.0);
        number(static_cast<int>(tenths / 10), 4);
        return number(static_cast<int>(tenths % 10), 4);
    }
    /// Bits given as text, blanks ignored: "1 0011 0101".
    RecordWriter& raw(const std::string& text) {
        for (const char c : text) {
            if (c != ' ') {
                flag(c == '1');
            }
        }
        return *this;
    }
    RecordWriter& zerosUpTo(std::size_t size) {
        bits.resize(size, false);
        return *this;
    }
    std::string text() const {
        static const char DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string result;
        for (std::size_t start = 0; start < bits.size(); start += 6) {
            int value = 0;
            for (std::size_t i = start; i < start + 6; ++i) {
                value = value * 2 + (i < bits.size() && bits[i] ? 1 : 0);
            }
            result += DIGITS[value];
        }
        return result;
    }
    std::vector<bool> bits;
};

struct Opponent {
    int id;
    double x, y;
    bool relevant, fallen;
};

struct FieldRecord {
    int number;
    double x, y;
    bool fallen;
    double ballX, ballY;
    bool ballRelevant;
    std::vector<int> roles;
    int closest;

    std::string text() const {
        RecordWriter writer;
        writer.number(number, 4).coordinate(x).coordinate(y).flag(fallen);
        writer.coordinate(ballX).coordinate(ballY).flag(ballRelevant);
        for (const int role : roles) {
            writer.number(role, 5);
        }
        return writer.number(closest, 4).text();
    }
};

std::string goalieText(double x, double y, bool fallen, const std::vector<Opponent>& opponents) {
    RecordWriter writer;
    writer.number(1, 4).coordinate(x).coordinate(y).flag(fallen);
    for (const Opponent& o : opponents) {
        writer.number(o.id, 4).coordinate(o.x).coordinate(o.y).flag(o.relevant).flag(o.fallen);
    }
    return writer.zerosUpTo(HearData::GOALIE_RECORD_BITS).text();
}

HearData decoded(const std::string& text, const std::string& team = TEAM) {
    HearData data(team, 12.34, false, -45.0, text);
    data.decode(TEAM);
    return data;
}

void expectOpponent(const OtherPlayer& actual, const Opponent& expected, int entry) {
    EXPECT_EQ(actual.getId(), expected.id) << "entry " << entry;
    EXPECT_NEAR(actual.getPosition().translation.x, expected.x, 1e-9) << "entry " << entry;
    EXPECT_NEAR(actual.getPosition().translation.y, expected.y, 1e-9) << "entry " << entry;
    EXPECT_EQ(actual.getPosition().rotation, 0.0) << "entry " << entry;
    EXPECT_EQ(actual.isRelevant(), expected.relevant) << "entry " << entry;
    EXPECT_EQ(actual.isFallen(), expected.fallen) << "entry " << entry;
}

void expectFieldRecord(const HearData& actual, const FieldRecord& expected, const std::string& label) {
    EXPECT_EQ(actual.getUniformNumber(), expected.number) << label;
    EXPECT_NEAR(actual.getHeardAgentXPosition(), expected.x, 1e-9) << label;
    EXPECT_NEAR(actual.getHeardAgentYPosition(), expected.y, 1e-9) << label;
    EXPECT_EQ(actual.isFallen(), expected.fallen) << label;
    EXPECT_NEAR(actual.getHeardBallXPosition(), expected.ballX, 1e-9) << label;
    EXPECT_NEAR(actual.getHeardBallYPosition(), expected.ballY, 1e-9) << label;
    EXPECT_EQ(actual.isHeardBallRelevant(), expected.ballRelevant) << label;
    EXPECT_EQ(actual.getRoleAssigment(), expected.roles) << label;
    EXPECT_EQ(actual.getPlayerClosestToBall(), expected.closest) << label;
    EXPECT_TRUE(actual.getOpponentPositions().empty()) << label;
}

const std::vector<int> NO_ROLES(HearData::NUMBER_OF_ROLES, 0);
const FieldRecord RADIO_EXAMPLE{2, 0.0, 0.0, false, 0.0, 0.0, false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2};

TEST(HearDataTest, DefaultHoldsNoMessage) {
    const HearData data;
    EXPECT_EQ(data.getTeam(), "unknown");
    EXPECT_EQ(data.getMessage(), "");
    EXPECT_TRUE(data.isFromSelf());
    EXPECT_EQ(data.getUniformNumber(), 0);
    EXPECT_FALSE(data.isHeardBallRelevant());
    EXPECT_FALSE(data.isFallen());
    EXPECT_EQ(data.getPlayerClosestToBall(), 11);
    EXPECT_TRUE(data.getRoleAssigment().empty());
    EXPECT_TRUE(data.getOpponentPositions().empty());
}

TEST(HearDataTest, DecodesTheRadioExample) {
    EXPECT_EQ(RADIO_EXAMPLE.text(), "IAAAAAACIZCmOhKi"); // the writer of these tests agrees
    expectFieldRecord(decoded("IAAAAAACIZCmOhKi"), RADIO_EXAMPLE, "example");
}

TEST(HearDataTest, DecodesTheGoalkeepersRecordWithFullOpponentEntries) {
    const std::vector<Opponent> opponents = {{9, 3.5, -2.1, true, false},
                                             {11, -0.7, 8.0, true, true},
                                             {4, 15.9, -15.9, false, true},
                                             {2, 0.0, 0.3, true, false}};
    const std::string text = goalieText(-14.5, 0.3, true, opponents);
    ASSERT_EQ(text.size(), 20u);

    const HearData data = decoded(text);
    EXPECT_EQ(data.getUniformNumber(), 1);
    EXPECT_NEAR(data.getHeardAgentXPosition(), -14.5, 1e-9);
    EXPECT_NEAR(data.getHeardAgentYPosition(), 0.3, 1e-9);
    EXPECT_TRUE(data.isFallen());
    const auto heard = data.getOpponentPositions();
    ASSERT_EQ(heard.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        expectOpponent(heard[k], opponents[k], k);
    }
    // The field player's fields stay as they were.
    EXPECT_FALSE(data.isHeardBallRelevant());
    EXPECT_TRUE(data.getRoleAssigment().empty());
    EXPECT_EQ(data.getPlayerClosestToBall(), 11);
}

TEST(HearDataTest, ShortGoalkeepersRecordReadsTheEntriesThatFit) {
    const std::vector<Opponent> opponents = {{9, 3.5, -2.1, true, true},
                                             {11, -0.7, 8.0, true, false},
                                             {4, 1.2, -3.4, true, true},
                                             {2, 5.0, 5.0, true, true}};
    const std::string text = goalieText(-13.2, 1.1, false, opponents).substr(0, 16);
    const auto heard = decoded(text).getOpponentPositions();
    ASSERT_EQ(heard.size(), 4u);
    for (int k = 0; k < 3; ++k) {
        expectOpponent(heard[k], opponents[k], k);
    }
    expectOpponent(heard[3], {0, 0.0, 0.0, false, false}, 3);
}

TEST(HearDataTest, CoordinatesCarryTheirSignOnTheWholeValue) {
    const struct {
        const char* bits;
        double value;
    } cases[] = {
        {"1 0011 0101", -3.5}, {"0 0011 0101", 3.5},  {"1 0000 0101", -0.5},  {"0 0000 0101", 0.5},
        {"1 0000 0000", 0.0},  {"0 1111 1001", 15.9}, {"1 1111 1111", -16.5}, {"0 0000 1111", 1.5},
        {"1 0001 0000", -1.0}, {"0 0100 0000", 4.0},
    };
    for (const auto& c : cases) {
        RecordWriter writer;
        writer.number(2, 4).raw(c.bits).zerosUpTo(HearData::FIELD_PLAYER_RECORD_BITS);
        const double x = decoded(writer.text()).getHeardAgentXPosition();
        EXPECT_NEAR(x, c.value, 1e-9) << c.bits;
        EXPECT_FALSE(std::signbit(x) && x == 0.0) << c.bits << " gives -0";
    }
}

TEST(HearDataTest, RandomRecordsRoundTrip) {
    marlowinds_lib::math::MathUtils::generator.seed(5489u);
    auto uniform = marlowinds_lib::math::MathUtils::getUniformRandomGenerator(0.0, 1.0);
    const auto integer = [&](int low, int high) { return low + static_cast<int>(uniform() * (high - low + 1)); };
    const auto coordinate = [&] { return integer(-159, 159) / 10.0; };
    for (int trial = 0; trial < 200; ++trial) {
        FieldRecord record{integer(2, 15), coordinate(),    coordinate(), uniform() < 0.5, coordinate(),
                           coordinate(),   uniform() < 0.5, {},           integer(0, 15)};
        for (int k = 0; k < 10; ++k) {
            record.roles.push_back(integer(0, 31));
        }
        expectFieldRecord(decoded(record.text()), record, "trial " + std::to_string(trial));
    }
}

TEST(HearDataTest, MalformedTextsDecodeAsAllZero) {
    const std::string cases[] = {
        "",
        "=",
        "IAAAAAACIZCmOhK=",
        "IAAAAAACIZCmOhKi==",
        "IAAAAAAC IZCmOhKi",
        "-AAAAAACIZCmOhKi",
        "IAAAAAACIZCmOhK\xC3\xA9",
        std::string("IAAAAAAC\0ZCmOhKi", 16),
        "IAAAAAACIZCmOhKi\n",
    };
    for (const std::string& text : cases) {
        expectFieldRecord(decoded(text), {0, 0.0, 0.0, false, 0.0, 0.0, false, NO_ROLES, 0}, "\"" + text + "\"");
    }
}

TEST(HearDataTest, ShortTextsGivePartialValues) {
    const std::string text =
        FieldRecord{3, -7.5, 2.2, true, 1.0, -1.0, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3}.text();
    const struct {
        std::size_t characters;
        FieldRecord expected;
    } cases[] = {
        // 90 bits: the last role entry and the closest player lie beyond the text.
        {15, {3, -7.5, 2.2, true, 1.0, -1.0, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, 0}},
        // x's sign and integer part but not all of its tenths.
        {2, {3, -7.0, 0.0, false, 0.0, 0.0, false, NO_ROLES, 0}},
        // The number but not x's integer part.
        {1, {3, 0.0, 0.0, false, 0.0, 0.0, false, NO_ROLES, 0}},
    };
    for (const auto& c : cases) {
        expectFieldRecord(decoded(text.substr(0, c.characters)), c.expected, std::to_string(c.characters));
    }
}

TEST(HearDataTest, MessageOfAnotherTeamIsNotDecoded) {
    for (const std::string& team : {std::string("Opponents"), std::string("marlowinds"), std::string("")}) {
        const HearData data = decoded("IAAAAAACIZCmOhKi", team);
        EXPECT_EQ(data.getUniformNumber(), 0) << team;
        EXPECT_EQ(data.getPlayerClosestToBall(), 11) << team;
        EXPECT_TRUE(data.getRoleAssigment().empty()) << team;
        EXPECT_EQ(data.getMessage(), "IAAAAAACIZCmOhKi") << team;
    }
}

TEST(HearDataTest, BitRangesOutsideTheSequenceOrTooWideForAnIntReadZero) {
    const std::vector<bool> six = {true, false, true, true, false, true};
    const std::vector<bool> forty(40, true);
    const struct {
        const std::vector<bool>& bits;
        int first, last, unsignedValue, signedValue;
    } cases[] = {
        {six, 0, 5, 45, -13},
        {six, 1, 3, 3, 3},
        {six, 2, 2, 1, 0},
        {six, 0, 0, 1, 0},
        {six, 5, 5, 1, 0},
        {six, 3, 2, 0, 0},
        {six, -1, 3, 0, 0},
        {six, 0, 6, 0, 0},
        {six, 4, 10, 0, 0},
        {six, 6, 6, 0, 0},
        {six, 0, -1, 0, 0},
        {forty, 0, 30, 0x7fffffff, -0x3fffffff},
        {forty, 0, 31, 0, -0x7fffffff},
        {forty, 0, 32, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HearData::bitsToInt(c.bits, c.first, c.last), c.unsignedValue) << c.first << ".." << c.last;
        EXPECT_EQ(HearData::signedBitsToInt(c.bits, c.first, c.last), c.signedValue) << c.first << ".." << c.last;
    }
}

} // namespace
} // namespace representations
