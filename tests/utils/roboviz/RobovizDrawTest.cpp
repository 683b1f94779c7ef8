#include "utils/roboviz/RobovizDraw.h"

#include "tests/utils/roboviz/DrawDatagrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace utils {
namespace roboviz {
namespace {

using tools::draw_listener::DrawDatagram;

std::string bytesOf(const std::unique_ptr<unsigned char[]>& datagram, std::size_t length) {
    return datagram ? std::string(reinterpret_cast<const char*>(datagram.get()), length) : std::string();
}

/// The bytes of the datagram that build makes, its length as the builder gives it.
template <typename Build> std::string built(Build build) {
    std::size_t length = 0;
    const auto datagram = build(&length);
    return bytesOf(datagram, length);
}

TEST(RobovizDrawTest, NumbersAreSixCharactersOrSixBlanksWithAMessage) {
    const float infinity = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        std::string field;
        std::string message;
    } cases[] = {
        {1.5f, std::string("1.500\0", 6), ""},
        {12.345678f, "12.346", ""},
        {-3.14159f, std::string("-3.14\0", 6), ""},
        {-45.678f, "-45.68", ""},
        {99.9996f, "100.00", ""}, // the limit applies to the unrounded value
        {-99.999f, "-100.0", ""},
        {-0.0f, "-0.000", ""},
        {-0.0001f, std::string("-0.00\0", 6), ""},
        {100.0f, "      ", "(RobovizDraw) 100 float value exceeds limit for drawing\n"},
        {-100.0f, "      ", "(RobovizDraw) -100 float value exceeds limit for drawing\n"},
        {infinity, "      ", "(RobovizDraw) inf float value exceeds limit for drawing\n"},
        {-infinity, "      ", "(RobovizDraw) -inf float value exceeds limit for drawing\n"},
        {std::nanf(""), "      ", "(RobovizDraw) nan float value is not a number\n"},
    };
    const RobovizDraw draw;
    for (const auto& testCase : cases) {
        unsigned char field[7] = {0, 0, 0, 0, 0, 0, 'x'};
        testing::internal::CaptureStdout();
        EXPECT_EQ(draw.writeFloatToBuf(field, testCase.value), 6u);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), testCase.message) << testCase.value;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 6), testCase.field) << testCase.value;
        EXPECT_EQ(field[6], 'x') << testCase.value;
    }
}

TEST(RobovizDrawTest, ColourComponentsBecomeTruncatedBytesThatWrap) {
    const float components[] = {1.0f, 0.5f, 0.47f, 0.65f, 0.0f, 2.0f, -1.0f, std::nanf(""), 1e30f};
    const std::vector<int> expected = {255, 127, 119, 165, 0, 254, 1, 0, 0};
    unsigned char bytes[9] = {};
    const RobovizDraw draw;
    EXPECT_EQ(draw.writeColorToBuf(bytes, components, 9), 9u);
    EXPECT_EQ(std::vector<int>(bytes, bytes + 9), expected);
    EXPECT_EQ(draw.writeColorToBuf(bytes, components, 0), 0u);
}

// The fields themselves are checked where the drawing implementation sends them.
TEST(RobovizDrawTest, EachBuilderGivesADatagramOfItsLayoutsLength) {
    const RobovizDraw draw;
    const float xyz[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const float rgba[] = {1, 0, 0.5f, 1};
    const struct {
        std::string bytes;
        std::size_t length;
    } cases[] = {
        {built([&](std::size_t* l) { return draw.newBufferSwap("n", l); }), 4},
        {built([&](std::size_t* l) { return draw.newCircle(xyz, 0.5f, 3.0f, rgba, "n", l); }), 31},
        {built([&](std::size_t* l) { return draw.newLine(xyz, xyz + 3, 1.0f, rgba, "n", l); }), 49},
        {built([&](std::size_t* l) { return draw.newPoint(xyz, 10.0f, rgba, "n", l); }), 31},
        {built([&](std::size_t* l) { return draw.newSphere(xyz, 0.5f, rgba, "n", l); }), 31},
        {built([&](std::size_t* l) { return draw.newPolygon(xyz, 3, rgba, "n", l); }), 63},
        {built([&](std::size_t* l) { return draw.newAnnotation("hi", xyz, rgba, "n", l); }), 28},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(testCase.bytes.size(), testCase.length);
        EXPECT_EQ(DrawDatagram::decode(testCase.bytes).name, "n") << testCase.length;
    }
    EXPECT_EQ(DrawDatagram::decode(cases[6].bytes).text, "hi");
    EXPECT_EQ(built([&](std::size_t* l) { return draw.newBufferSwap("", l); }), std::string(3, '\0'));
}

TEST(RobovizDrawTest, PolygonVertexCountsOutsideTheByteAreRefusedAndShortOnesReported) {
    const RobovizDraw draw;
    const std::vector<float> vertices(3 * 256, 1.0f);
    const float rgba[] = {1, 1, 1, 1};
    const struct {
        int count;
        std::size_t length; ///< 0: refused
        std::string message;
    } cases[] = {
        {-1, 0, "(RobovizDraw) Polygon vertex count -1 is outside 0 to 255\n"},
        {256, 0, "(RobovizDraw) Polygon vertex count 256 is outside 0 to 255\n"},
        {0, 8 + 3, "(RobovizDraw) Polygon must have 3 or more verts\n"},
        {2, 44 + 3, "(RobovizDraw) Polygon must have 3 or more verts\n"},
        {255, 18 * 255 + 8 + 3, ""},
    };
    for (const auto& testCase : cases) {
        std::size_t length = 99;
        testing::internal::CaptureStdout();
        const auto datagram = draw.newPolygon(vertices.data(), testCase.count, rgba, "abc", &length);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), testCase.message);
        EXPECT_EQ(length, testCase.length) << testCase.count;
        EXPECT_EQ(datagram == nullptr, testCase.length == 0) << testCase.count;
        if (datagram) {
            const DrawDatagram decoded = DrawDatagram::decode(bytesOf(datagram, length));
            EXPECT_EQ(decoded.numbers.size(), 3u * testCase.count);
            EXPECT_EQ(decoded.name, "abc");
        }
    }
}

} // namespace
} // namespace roboviz
} // namespace utils
