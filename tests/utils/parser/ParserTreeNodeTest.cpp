#include "utils/parser/ParserTreeNode.h"
#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace utils {
namespace parser {
namespace {

TEST(ParserTreeNodeTest, ToStringWritesTheGroupBack) {
    struct Row {
        std::string message;
        std::string group;
    };
    const std::vector<Row> rows = {
        {"(syn)", "syn"},       {"(GS (unum 1) (team left))", "GS (unum 1) (team left)"}, {"(a (b) c)", "a c (b)"},
        {"((a)(b))", "(a)(b)"}, {"(See (B (pol 1 2 3)))", "See (B (pol 1 2 3))"},
    };
    for (const Row& row : rows) {
        Parser parser;

        EXPECT_EQ(parser.parseMessage(row.message)->children.at(0).toString(), row.group) << row.message;
    }
}

TEST(ParserTreeNodeTest, MonitorStringIndentsByTheNodesLevel) {
    Parser parser;

    const auto root = parser.parseMessage("(a (b (c)) (d))");

    EXPECT_EQ(root->toMonitorString(), "\n   (a\n   (b\n         (c))\n   (d))");
}

} // namespace
} // namespace parser
} // namespace utils
