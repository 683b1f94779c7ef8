#include "utils/parser/Parser.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace utils {
namespace parser {
namespace {

/// A compact picture of a tree: [value], then @level when not 0, then the
/// children in braces.
std::string render(const ParserTreeNode& node) {
    std::string text = "[" + node.value + "]";
    if (node.level != 0) {
        text += "@" + std::to_string(node.level);
    }
    if (!node.children.empty()) {
        text += "{";
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            text += (i == 0 ? "" : ",") + render(node.children[i]);
        }
        text += "}";
    }
    return text;
}

std::string parseAndRender(const std::string& text) {
    Parser parser;
    return render(*parser.parseMessage(text));
}

struct TreeRow {
    std::string text;
    std::string tree;
};

void expectTrees(const std::vector<TreeRow>& rows) {
    for (const TreeRow& row : rows) {
        EXPECT_EQ(parseAndRender(row.text), row.tree) << row.text;
    }
}

TEST(ParserTest, TreesOfTheMessageShapes) {
    expectTrees({
        {"", "[]"},
        {"(syn)", "[]{[syn]}"},
        {"(time (now 46.20))", "[]{[time]{[now 46.20]@2}}"},
        {"(GS (unum 1) (team left))", "[]{[GS]{[unum 1]@2,[team left]@2}}"},
        {"(HJ (n hj1) (ax -1.5))(HJ (n hj2) (ax 0.2))", "[]{[HJ]{[n hj1]@2,[ax -1.5]@2},[HJ]{[n hj2]@2,[ax 0.2]@2}}"},
        {"(a (b (c d)))", "[]{[a]{[b]@2{[c d]@3}}}"},
        {"(See (F1L (pol 18.66 53.57 -5.03)) (B (pol 1.89 -0.28 -57.93)))",
         "[]{[See]{[F1L]@2{[pol 18.66 53.57 -5.03]@3},[B]@2{[pol 1.89 -0.28 -57.93]@3}}}"},
        {"()", "[]{[]}"},
        {"((a))", "[]{[]{[a]@2}}"},
    });
}

TEST(ParserTest, OnlyTheOneBlankBeforeANestedGroupIsDropped) {
    expectTrees({
        {"(a (b) c)", "[]{[a c]{[b]@2}}"},
        {"(a (b c) d (e))", "[]{[a d]{[b c]@2,[e]@2}}"},
        {"(a  (b))", "[]{[a ]{[b]@2}}"},
        {"(a (b)  (c))", "[]{[a ]{[b]@2,[c]@2}}"},
        {"(  a (b))", "[]{[  a]{[b]@2}}"},
        {"( (b))", "[]{[]{[b]@2}}"},
        {"(a\t(b))", "[]{[a\t]{[b]@2}}"},
        {"(a\n(b))", "[]{[a\n]{[b]@2}}"},
        {"(a b  c )", "[]{[a b  c ]}"},
        {"(a(b))", "[]{[a]{[b]@2}}"},
    });
}

TEST(ParserTest, TextOutsideGroupsAndMissingParenthesesAreTolerated) {
    expectTrees({
        {"xyz(a)", "[]{[a]}"},
        {"(a))(b)", "[]{[a],[b]}"},
        {")(a)", "[]{[a]}"},
        {"(a)xyz(b)", "[]{[a],[b]}"},
        {"(a (b", "[]{[a]{[b]@2}}"},
        {"(a (b (c", "[]{[a]{[b]@2{[c]@3}}}"},
        {"(", "[]{[]}"},
        {"(a) ", "[]{[a],[]}"},
        {"(a)(b)\n", "[]{[a],[b],[]}"},
        {"xyz", "[]{[]}"},
        {")", "[]{[]}"},
    });
}

TEST(ParserTest, TellsWhetherTheTextEndedInsideAGroup) {
    const struct {
        const char* text;
        bool cutShort;
    } rows[] = {
        {"", false},   {"(a)", false},     {"(a (b) c)", false}, {"(a))(b)", false},  {"(a)xyz", false},
        {"(", true},   {"(a (b", true},    {"(a (b)", true},     {"(a)(b (c)", true}, {"(a)(b (c) d", true},
        {")(a", true}, {"(a (b (c", true}, {"(a) ", false},
    };
    Parser parser;
    for (const auto& row : rows) {
        parser.parseMessage(row.text);
        EXPECT_EQ(parser.endedInsideGroup(), row.cutShort) << row.text;
    }
}

TEST(ParserTest, ReusedParserGivesTheSameTreeAfterAnUnbalancedMessage) {
    Parser parser;
    const std::string message = "(GS (t 0.00) (pm BeforeKickOff))(See (B (pol 1 2 3)))";
    const std::string first = render(*parser.parseMessage(message));

    parser.parseMessage("(a (b (c (d");
    const std::string afterUnbalanced = render(*parser.parseMessage(message));

    EXPECT_EQ(afterUnbalanced, first);
}

TEST(ParserTest, NestingIsAcceptedUpToTheMaximumDepth) {
    // The top-level group is depth 1, so MAXIMUM_DEPTH groups in all are fine.
    const int groups = Parser::MAXIMUM_DEPTH;
    const std::string text = std::string(groups, '(') + "x" + std::string(groups, ')');
    Parser parser;

    const auto root = parser.parseMessage(text);

    const ParserTreeNode* deepest = root.get();
    while (!deepest->children.empty()) {
        deepest = &deepest->children.front();
    }
    EXPECT_EQ(deepest->value, "x");
    EXPECT_EQ(deepest->level, Parser::MAXIMUM_DEPTH);
}

TEST(ParserTest, DeeperNestingIsRefusedWithAClearError) {
    const std::vector<std::string> texts = {
        std::string(Parser::MAXIMUM_DEPTH + 1, '('),
        std::string(1000000, '('),
        "(ok)" + std::string(Parser::MAXIMUM_DEPTH + 1, '(') + std::string(Parser::MAXIMUM_DEPTH + 1, ')'),
    };
    for (const std::string& text : texts) {
        Parser parser;

        EXPECT_THROW(parser.parseMessage(text), std::runtime_error) << text.size();
    }
}

/// A random group whose text holds no parentheses, at the level the parser
/// gives it.
ParserTreeNode randomGroup(std::mt19937& engine, int level, int depthLeft) {
    static const std::string alphabet = "ab9.- \t";
    ParserTreeNode node;
    node.level = level;
    const int length = std::uniform_int_distribution<int>(0, 6)(engine);
    for (int i = 0; i < length; ++i) {
        node.value += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(engine)];
    }
    const int children = depthLeft == 0 ? 0 : std::uniform_int_distribution<int>(0, 3)(engine);
    for (int i = 0; i < children; ++i) {
        node.children.push_back(randomGroup(engine, level == 0 ? 2 : level + 1, depthLeft - 1));
    }
    return node;
}

TEST(ParserTest, WrittenBackTreesParseToThemselves) {
    std::mt19937 engine(5489u);
    for (int sample = 0; sample < 300; ++sample) {
        ParserTreeNode root;
        std::string message;
        const int groups = std::uniform_int_distribution<int>(1, 4)(engine);
        for (int i = 0; i < groups; ++i) {
            root.children.push_back(randomGroup(engine, 0, 4));
            message += "(" + root.children.back().toString() + ")";
        }

        EXPECT_EQ(parseAndRender(message), render(root)) << message;
    }
}

} // namespace
} // namespace parser
} // namespace utils
