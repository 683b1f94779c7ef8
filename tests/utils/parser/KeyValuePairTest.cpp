#include "utils/parser/KeyValuePair.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace utils {
namespace parser {
namespace {

TEST(KeyValuePairTest, SplitsAtTheFirstSeparator) {
    struct Row {
        std::string text;
        char separator;
        std::string key;
        std::string value;
    };
    const std::vector<Row> rows = {
        {"n hj1", ' ', "n", "hj1"},
        {"pol 1 2 3", ' ', "pol", "1 2 3"},
        {"now", ' ', "", ""},
        {"", ' ', "", ""},
        {" x", ' ', "", "x"},
        {"a ", ' ', "a", ""},
        {"a  b", ' ', "a", " b"},
        {"a\tb", ' ', "", ""},
        {"key=va=lue", '=', "key", "va=lue"},
    };
    for (const Row& row : rows) {
        const KeyValuePair pair(row.text, row.separator);

        EXPECT_EQ(pair.key, row.key) << row.text;
        EXPECT_EQ(pair.value, row.value) << row.text;
    }
}

} // namespace
} // namespace parser
} // namespace utils
