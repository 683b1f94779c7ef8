#include "tools/draw_listener/DrawDatagram.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tools {
namespace draw_listener {
namespace {

using namespace std::string_literals;

TEST(DrawDatagramTest, ReadsEachCommandsFieldsAndRefusesWhatIsNotFramedSo) {
    const std::string number = "1.000\0"s;
    const struct {
        std::string bytes;
        std::string command; ///< empty: refused
    } cases[] = {
        {"\0\0n\0"s, "swap"},
        {"\1\0"s + number + number + number + number + "\1\2\3n\0"s, "circle"},
        {"\1\1"s + std::string(7 * 6, ' ') + "\1\2\3n\0"s, "line"},
        {"\1\4\1\1\2\3\4"s + number + number + number + "n\0"s, "polygon"},
        {"\2\0"s + number + number + number + "\1\2\3hi\0n\0"s, "annotation"},
        {""s, ""},
        {"\0"s, ""},
        {"\3\0n\0"s, ""},
        {"\1\5n\0"s, ""},
        {"\0\0n"s, ""},
        {"\0\0n\0x"s, ""},
        {"\1\2"s + number + "\1\2\3n\0"s, ""},
        {"\1\4\2\1\2\3\4"s + number + number + number + "n\0"s, ""},
    };
    for (const auto& testCase : cases) {
        if (testCase.command.empty()) {
            EXPECT_THROW(DrawDatagram::decode(testCase.bytes), std::runtime_error) << testCase.bytes.size();
        } else {
            const DrawDatagram decoded = DrawDatagram::decode(testCase.bytes);
            EXPECT_EQ(decoded.command, testCase.command);
            EXPECT_EQ(decoded.name, "n");
        }
    }
}

} // namespace
} // namespace draw_listener
} // namespace tools
